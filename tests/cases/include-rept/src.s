n = 0
.rept 2
.include inc.s
.endr
.macro incl f
.include f
.endm
incl inc.s
x = 1
