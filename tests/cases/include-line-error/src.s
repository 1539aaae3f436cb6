a = 1
.include inc.s junk
.macro m
.include <inc.s
.endm
m
b = 2
