	.word	1
	.if	.ne.	0
lab:	mov	#12,r0
2:	.word	12, 10.
	.ascii	<ab\n>
name1 = name2
	.byte	1f, 1b
	.globl	name3
; comment while skipping
	.endc	nop
	.word	lab,name3
end:
