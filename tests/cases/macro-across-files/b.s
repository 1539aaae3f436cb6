.endm
m
