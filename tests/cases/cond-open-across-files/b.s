	nop
	.endc
b1:	nop
