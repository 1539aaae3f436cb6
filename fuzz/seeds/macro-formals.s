.macro f1 a,b c
a = 1
b = 2
c = 3
.endm
f1 x1,x2,x3
.macro f2 ?lab,abcdefghij
lab = abcdefghzz
.endm
f2 ,5
.macro f3;no formals here
f3v = 7
.endm
f3
.macro f4 a 
.narg n4
.endm
f4 1,2
.macro f5 a,b;c
.narg n5
b = 4
c = 6
.endm
f5 1,y5,3
