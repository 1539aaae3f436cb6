.macro m1
a = 1
z: .endm
b = 1
.endm ; end of m1
m1
.macro m2
.ENDM = 2
.endmx = 3
.macrox = 4
c = 1
.endm
d = 1
.endm
m2
