1:	.word	1f
	.word	1b
n1 = 1b
1:	nop
n2 = 1b
	.data
2:	.word	0
n3 = 2b
	.text
n4 = 2b+1
n5 = 1f
	.blkw	2b-2b
1:
n6 = 1b-n2
	.word	9f,0f
n7 = 9f+1
