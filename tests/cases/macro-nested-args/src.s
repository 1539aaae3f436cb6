.macro in p,q
.nchr c1,<p>
.nchr c2,<q>
.narg k
.endm
.macro out a,b
in a,b
.endm
out <1,2>,z
.macro call2 nm
nm 5
.endm
.macro set v
val = v
.endm
call2 set
.macro m
.macro m
y = 2
.endm
x = 1
.endm
m
m
.macro in2
.word l
.endm
.macro out2 ?l,?m
l: in2
m: .word m
.endm
out2
out2
