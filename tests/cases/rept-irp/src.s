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
