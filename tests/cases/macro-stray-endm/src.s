a = 1
.endm
.mexit
b = 2
.endm x
