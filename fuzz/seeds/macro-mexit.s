.macro mx
a1 = 1
.mexit
a2 = 2
.endm
mx
a3 = 3
.macro my
b1 = 1
mx
b2 = 2
.endm
my
a4 = 4
