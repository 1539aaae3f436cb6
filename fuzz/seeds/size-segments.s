	.word	1
d1:	.data
d2:	.byte	1,2,3
d3:	.bss
d4:	.blkw	4
d5:	.text
d6:	nop
d7:	.data
d8:	.word	0
d9:	.text
d10:	.text
d11:	.bss
d12:	.even
d13:	.data
d14:	.even
d15:
	. = .+10
d16:	.text
	. = .+100
d17:	nop
1:	.data
2:
3:	.bss
	1
1:	.data
d18:	.text
d19:
