; every addressing mode
start:	mov	#10, r0
	mov	(r1)+, -(r2)
	mov	@(r3)+, @-(r4)
	mov	2(r5), @4(sp)
	mov	lab, @#1000
	movb	@lab, r1
	jsr	pc, sub1
	rts	pc
	sob	r1, start
	br	1f
1:	xor	r0, (r1)
	ash	#3, r2
	emt	17
	.word	1, 2+3*4, <077>, "ab, 'c
	.byte	-1, ^c0, 1\<3, 100\>2
	.ascii	/x/ <hello\n>
	.even
	.blkw	4
lab:	.word	start-lab
	.globl	ext
	.comm	blk, 20
	.data
d:	.word	[1+2]*3, -[-[4]]
	.bss
b:	.blkw	10
	.text
. = . + 2
x == 5
y:: halt
