k = 0
.macro in a
k = k + a
.endm
.macro out a
k = k + 10
in a
k = k + 100
in 2
.endm
out 1
last = k
