	nop
	.if	.ne.	0
x:	nop
