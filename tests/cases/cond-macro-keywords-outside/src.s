	.if	.b.	z
a1:	nop
	.endc
	.if	.nb.	z
a2:	nop
	.endc
	.if	.idn.	a,b
a3:	nop
	.endc
	.if	.dif.	a,b
a4:	nop
	.endc
	.if	.idn.	a
a5:	nop
	.endc
	.iif	.b.	z, nop
a6:
