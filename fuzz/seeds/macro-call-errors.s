.macro m
.if .b. z
x = 1
.endc
.endm
m
.macro n a,b
s}a = 2
.endm
n <abc
n 1 2
n \nosuch
n \5
n \
z = 3
