.macro m a
.include a
w = w + 1
.endm
w = 0
.rept 2
.include inc1.s
.endr
m inc2.s
tot = w
