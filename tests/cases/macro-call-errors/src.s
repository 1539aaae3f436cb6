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
.macro m160
x = 1 ;aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa
.endm
m160
y = 1 1
