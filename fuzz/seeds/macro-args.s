.macro two a,b
p}a}q}b}r = 1
.endm
.macro w a
.word a
.endm
two ,x
two x,
two 1,2,3
two y ; comment, not an argument
two
w <1, 2>
w 1,2,3
fin = .
