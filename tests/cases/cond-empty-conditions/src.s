	.if	.eq.
a1:	nop
	.endc
	.if
a2:	nop
	.endc
	.iif
a3:	nop
	.iif	.df.
a4:	nop
	.nif
a5:	nop
	.endif
	.if	.eq.	1
	.iif	.eq.	0, nop
	.endc
a6:
