1:	nop
	.if	.ne.	0
1:	nop
	.data
	.blkw	10
	. = .+20
y = 5
	.comm	cm,4
	.endc
x = 1b
z:
