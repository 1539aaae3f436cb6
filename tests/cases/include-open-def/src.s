.include inc.s
y = 2
.endm
m
