.macro m a
.if .b. a b
x = 1
.endc
.endm
m
