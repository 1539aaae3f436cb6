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
	.ift
x1 = 1
	.iff
x2 = 1
	.iftf
x3 = 1
