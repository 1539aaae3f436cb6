c = 0
.rept -1
a = 1
.endr
.rept 100000
b = 1
.endr
.rept 2 3
c = c + 1
.endr
.endr
d = 1
