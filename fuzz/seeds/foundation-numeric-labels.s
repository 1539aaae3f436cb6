1:
	.data
	.blkw 40
3:
