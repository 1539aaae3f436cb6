	.if	.ne.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
a1:	nop
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
a2:	nop
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
	.if	.eq.	0
a3:	nop
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.endc
	.if	.eq.	0
	.endc
a4:
