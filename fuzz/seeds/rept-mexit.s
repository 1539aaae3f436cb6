n = 0
.rept 5
n = n + 1
.iif .eq. n-2, .mexit
.endr
m = 7
j = 0
a = 0
b = 0
.irp x,<a,b>
j = 0
.rept 3
j = j + 1
.iif .eq. j-2, .mexit
x = x + j
.endr
.endr
e = j
