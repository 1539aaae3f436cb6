x = 1
.endm
