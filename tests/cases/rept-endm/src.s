c = 0
.rept 3
c = c + 1
.endm
c = c + 10
.endr
d = c
t = 0
u = 0
.irp x,<a,,b>
.narg k
t = t + k
.iif .b. x, u = u + 1
.endr
