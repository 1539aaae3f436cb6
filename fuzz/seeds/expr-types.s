t0:	.word	0
t1:	.word	0
	.data
dd:	.word	0
	.bss
bb:	.blkw	1
	.text
	.globl	gu
y1 = t1-t0
y2 = t1+t0
y3 = t1+1
y4 = 1+t1
y5 = dd-t1
y6 = t1+dd
y7 = bb-dd
y8 = r3-r1
y9 = r3+1
y10 = t1-un
y11 = gu+1
y12 = 1-gu
y13 = t1`5
y14 = 5`t1
y15 = r2`1
y16 = dd-dd
y17 = t1*2
y18 = .
y19 = .-t0
y20 = t1&dd
y21 = mov+1
y22 = t1`2*3
y23 = -t1`3
	.iif	.df.	gu+1, z1 = 1
	.iif	.df.	1+un, z2 = 1
	.iif	.df.	un-gu, z3 = 1
	.iif	.ndf.	un*t1, z4 = 1
	.iif	.df.	bb`un, z5 = 1
	.iif	.df.	un`bb, z6 = 1
