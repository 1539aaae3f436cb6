	nop
	.if	.eq.	0
	.data
	.byte	1
