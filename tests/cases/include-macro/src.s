.macro m2
q = q + 1
.endm
.macro mi
x1 = 1
.include inc.s
x2 = 2
.endm
q = 0
mi
y = 3
