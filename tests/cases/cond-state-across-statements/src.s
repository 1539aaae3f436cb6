	.if	.eq.	0
	.iif	.ne.	0, nop
	.ift
y1 = 1
	.iff
y2 = 1
	.endc
	.iif	.ne.	0, .word 1/0
	.iif	.ne.	0, mov r1
	.iif	.ne.	0, .blkw undefd
	.globl	gu
	.if	.eq.	gu
y3 = 1
	.endc
	.nif	gu
y4 = 1
	.endif
	.if	.ne.	0
	.word	1/0
	mov	r1
	.blkw	undefd
	.if	.xyz.
	.endc
	.endc
	.iif	.eq.	0, .if .ne. 0
y5 = 1
	.iff
y6 = 1
	.endc
	.iff
y7 = 1
	.iftf
y8 = 1
