n = 0
.macro e
.endr
n = n + 10
.endm
.rept 2
e
n = n + 1
.endr
