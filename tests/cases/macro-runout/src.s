.macro m
a = 1
.if .ne. 0
.endm
m
b = 1
.endc
c = 1
