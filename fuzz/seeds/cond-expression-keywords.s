	.if	.eq.	0
s1 = 1
	.endc
	.if	.eq.	1
s2 = 1
	.endc
	.if	.ne.	5
s3 = 1
	.endc
	.if	.ne.	0
s4 = 1
	.endc
	.if	.gt.	1
s5 = 1
	.endc
	.if	.gt.	0
s6 = 1
	.endc
	.if	.gt.	-1
s7 = 1
	.endc
	.if	.gt.	77777
s8 = 1
	.endc
	.if	.gt.	100000
s9 = 1
	.endc
	.if	.ge.	0
s10 = 1
	.endc
	.if	.ge.	-1
s11 = 1
	.endc
	.if	.ge.	77777
s12 = 1
	.endc
	.if	.lt.	177777
s13 = 1
	.endc
	.if	.lt.	0
s14 = 1
	.endc
	.if	.lt.	100000
s15 = 1
	.endc
	.if	.le.	0
s16 = 1
	.endc
	.if	.le.	100000
s17 = 1
	.endc
	.if	.le.	1
s18 = 1
	.endc
	.if	.eq.	3-3
s19 = 1
	.endc
	.if	.ne.	200000
s20 = 1
	.endc
end:	.word	0
