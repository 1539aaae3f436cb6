k = 0
.irp x,<a,b,c>
k = k + 1
x = k
.endr
.irp x,<a,,b>
k = k + 1
s}x = k
.endr
.irp x,<>
never = 1
.endr
.irp x,one
x = 77
.endr
.irp x,<p,q,>
k = k + 1
t}x = k
.endr
last = k
n = 0
.irpc k,abc
n = n + 1
v}k = n
.endr
.irpc k,<a b>
n = n + 1
w}k = n
.endr
.irpc k,<>
z = 1
.endr
