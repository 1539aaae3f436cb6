	.globl	a,b,c
	.globl
	.comm	buf,100
	.word	a
e1:
d::	nop
e == 5
f == 1f
a:	.word	0
g = b
b = 3
	.globl	h
h:
e2 = b+e
	.globl	.
	.comm	.,2
i:	.data
j:
