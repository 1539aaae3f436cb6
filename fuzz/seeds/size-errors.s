	mov	r1
a1:	mov	r1 r2
a2:	.blkw	zz
a3:	.ascii	abc
a4:	.ascii
a5:	.comm	5
a6:	.comm	cc 5
a7:	mov	@@r1,r2
a8:	mov	(5),r1
a9:	mov	(r1,r2
a10:	mov	-(1+2),r0
a11:	mov	r1+7,r0
a12:	clr	(r1
a13:	halt	5
a14:	sob	r1 x
a15:	sob	r1
a16:	.globl	g1 g2
a17:	.word	1 2
a18:	jmp	@(r1
a19:	.blkw	g1
a20:	mov	#1 r0
a21:
