p}q = 5
.macro j x
x}y = 1
y}x = 2
x} = 3
.endm
j ab
.macro k p,q
p}q = 7
.endm
k ab,cd
k abcdef,ghijk
