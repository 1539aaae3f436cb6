	.data
. == . + 4
a:	.word 1
1:
	.globl	b
b = .
