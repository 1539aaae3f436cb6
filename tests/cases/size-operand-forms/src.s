	mov	@(r1),@r2
a1:	mov	(r1),@r2
a2:	mov	(r1),@-(r2)
a3:	mov	(r1),@#1
a4:	mov	@(r1),@(r2)+
a5:	mov	@(r1),@(r2)
a6:	clr	@(r1)
a7:	mov	-r1,r0
a8:	mov	r0-1,(r0-1)
a9:	mov	#r1,r0
	.globl	gr
gr = r3
a10:	mov	gr,r0
a11:	mov	r3,gr
a12:	jmp	@gr
a13:
mv = mov
bt = .byte
wd = .word
bk = .blkw
kw = .eq.
sb = sob
dt = .data
tx = .text
gl = .globl
mv2 == mov
	mv	#1,r0
a14:	bt	1,2,3
a15:	wd	1
a16:	bk	3
a17:	kw	5
a18:	sb	r0,a18
a19:	dt
a20:	.word	0
	tx
a21:	gl	q
a22:	mv2	5
a23:
