	.macro	mm
	nop
	.endm
x:	nop
y:
