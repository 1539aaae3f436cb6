	.iif	.eq.	0, mov r1,r2
a1:	.iif	.ne.	0, mov r1,r2
a2:	.iif	.ne.	0, .word 10, 12
a3:	.iif	.eq.	1, x1 = 5
	.iif	.ne.	1, x2 = 5
	.iif	.df.	a1, a4: nop
a5:	.iif	.ndf.	a1, a6: nop
a7:	.iif	.eq.	0, .iif .eq. 0, nop
a8:	.iif	.eq.	0, .iif .ne. 0, nop
a9:	.iif	.gt.	-1, .if .eq. 0
a10:	.iif	.ne.	0, <abc>
a11:	.iif	.ne.	0, .endc
a12:
