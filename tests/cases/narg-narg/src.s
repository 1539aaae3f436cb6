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
