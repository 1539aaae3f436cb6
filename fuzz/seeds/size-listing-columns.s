; comment line

	.byte	1
	.byte	1,2
	.byte	1,2,3
	.byte	1,2,3,4
	.byte	1,2,3,4,5
	.word	1,2,3
	.blkw	4
lab:	; label and comment
	   ; indented comment
	
	.nolist
	nop
	mov	#1,r0
	.list
	.even
	.data
	.text
	.blkw	-2
	.nolist
	.list
