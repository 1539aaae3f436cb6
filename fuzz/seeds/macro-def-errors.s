.macro
a = 1
.endm
.macro 5
b = 1
.endm
.macro .
c = 1
.endm
.macro m
x = 1
.endm n
m
.macro bad a-b
y = 2
.endm
bad 1
e = .
