	.nolist
	mov	r1
	.word	1
	.list
	nop
