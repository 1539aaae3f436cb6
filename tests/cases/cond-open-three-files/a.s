	.if	.ne.	0
	nop
