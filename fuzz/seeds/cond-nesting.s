	.if	.ne.	0
	.if	.eq.	0
a1 = 1
	.iftf
a2 = 1
	.ift
a3 = 1
	.endc
a4 = 1
	.endc
b0 = 1
	.if	.eq.	0
	.if	.ne.	0
b1 = 1
	.endc
b2 = 1
	.iff
b3 = 1
	.endc
	.if	.eq.	0
	.nif	0
c1 = 1
	.iff
c2 = 1
	.endif
c3 = 1
	.nif	1
c4 = 1
	.endif
	.endc
	.nif	0
	.if	.eq.	0
d1 = 1
	.endc
d2 = 1
	.endif
d3 = 1
	.nif	5
	.if	.ne.	0
d4 = 1
	.endc
d5 = 1
	.endif
	.if	.ne.	0
	.nif	1
	.iff
e1 = 1
	.endif
	.iff
e2 = 1
	.endc
