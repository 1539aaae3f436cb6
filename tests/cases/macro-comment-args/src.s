.macro m a,b
v = v + 1
.narg k
t = t + k
.endm
v = 0
t = 0
m 1, ;comment
m ;comment
m 1 ;c
m 1,2;c
