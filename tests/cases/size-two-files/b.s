x:	.word	0
	.endc
	.text
y:
