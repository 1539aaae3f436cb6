	.if	.eq.	1
l1 = 1
	.iff
l2 = 1
	.ift
l3 = 1
	.iftf
l4 = 1
	.endc
	.if	.eq.	0
m1 = 1
	.iff
m2 = 1
	.ift
m3 = 1
	.iftf
m4 = 1
	.endc
	.if	.eq.	0
	.if	.eq.	1
p1 = 1
	.endc
	.iff
p2 = 1
	.ift
p3 = 1
	.endc
