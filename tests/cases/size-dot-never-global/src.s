	.globl .
w:	nop
	.comm .,4
v:	nop
	.data
	.word 1
	.text
x:	nop
	.data
y:	.word 2
	.globl .,z
