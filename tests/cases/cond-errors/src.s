	.iif	.eq.	0 mov r1,r2
a1:	.iif	.ne.	0 mov r1,r2
a2:	.if	.xyz.	1
a3:	nop
	.endc
a4:	.if	.eq.	undf
a5:	nop
	.endc
	.if	.ne.	undf
a6:	nop
	.endc
	.nif	undf
a7:	nop
	.endif
	.if	.ne.	0
	mov	r1  r2
	.endc
	.iif	.ne.	0
a8:	nop
	.endc	nop
a9:
