.macro s x
x = 1
.endm
s x
y = 2
