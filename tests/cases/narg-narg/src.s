.narg n0
.macro m x,y,z
.narg n
.endm
m 1,,3
n1 = n
m
n2 = n
m a,b,c,d
n3 = n
.macro q ?a,?b
.narg k1
.word a,b
.narg k2
.endm
q
.macro r a
.rept 1
.narg k3
.endr
.endm
r 5
.nchr j1,abc ; comment
.macro in2 a
.narg j2
.endm
.macro out2 a,b,c
in2
.narg j3
.endm
out2 1,2,3
.globl j4
.narg j4
