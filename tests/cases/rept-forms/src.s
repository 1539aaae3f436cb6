.irp x,<a,b>
.irp y,<c,d>
x}y = 1
.endr
.endr
n = 0
.rept 2
.rept 3
n = n + 1
.endr
.endr
.irp x <e,f>
x = 2
.endr
.irp x
never = 1
.endr
v = 3
.irp x,\v
s}x = 4
.endr
.irp ?x,<g,,h>
x = 5
.endr
