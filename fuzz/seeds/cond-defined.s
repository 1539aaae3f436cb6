	.globl	g
d1:	.word	0
u = undef1
	.if	.df.	d1
a1 = 1
	.endc
	.if	.df.	nodef
a2 = 1
	.endc
	.if	.df.	g
a3 = 1
	.endc
	.if	.ndf.	nodef
a4 = 1
	.endc
	.if	.ndf.	g
a5 = 1
	.endc
	.if	.ndf.	d1
a6 = 1
	.endc
	.if	.df.	g+1
a7 = 1
	.endc
	.if	.df.	nodef+1
a8 = 1
	.endc
	.if	.df.	later
a9 = 1
	.endc
later = 5
	.if	.df.	later
a10 = 1
	.endc
	.if	.ndf.	u
a11 = 1
	.endc
	.if	.df.	r0
a12 = 1
	.endc
	.if	.ndf.	1f
a13 = 1
	.endc
