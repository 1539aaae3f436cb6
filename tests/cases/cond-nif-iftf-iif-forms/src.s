	.nif	0
x1 = 1
	.iftf
x2 = 1
	.endif
	.iif	.eq.	0,
	.iif	.eq.	0, 5
a1:	.iif	.eq.	0, a2: a3 = a2+1
	clr	@-1
a4:	clr	-1(r1)
a5:	clr	@-2(r1)
a6:
