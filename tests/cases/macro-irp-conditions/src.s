.macro m a,b,c
.narg na
.if .b. b
bb = 1
.iff
bb = 2
.endc
.irp x,<a,b,c>
.iif .idn. x,c, .mexit
v}x = 1
.endr
after = na
.endm
m 5,,7
.word 1
