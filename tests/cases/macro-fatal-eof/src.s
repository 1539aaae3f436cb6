.macro m
.macro inner
x = 1
.endm
