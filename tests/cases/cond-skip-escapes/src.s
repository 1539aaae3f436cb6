	.if	.ne.	0
	mov	\+ r1 } , \\r2
	.endc
x:	nop
