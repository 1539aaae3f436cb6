	clr	r0
b1:	clr	@r1
b2:	clr	@x
b3:	jmp	x
b4:	jmp	(r1)
b5:	br	x
b6:	rts	pc
b7:	trap	3
b8:	sob	r1,x
b9:	nop
b10:	jsr	pc,x
b11:	jsr	r5,@(r1)+
b12:	xor	r1,6(r2)
b13:	mul	#3,r2
b14:	ashc	x,r0
b15:	sxt	-(sp)
b16:	mark	2
b17:	emt	0
b18:	sys	1
b19:	halt
b20:	movf	fr1,x
b21:	movif	#1,fr0
b22:	movfi	fr0,@#x
b23:	ldfps	x(r1)
b24:	setd
b25:	cfcc
b26:	x
b27:	1+2
b28:	r1
b29:	.eq.	5
b30:	[7]
b31:	.
b32:	-1
b33:	bne	.+2
b34:	clrb	@(r1)
b35:
