	mov	r1,r2
a1:	mov	#1,r0
a2:	mov	x,y
a3:	mov	@#x,2(r3)
a4:	mov	(r1)+,-(r2)
a5:	mov	@(r1),r2
a6:	mov	(r1),r2
a7:	mov	@r1,@(r2)+
a8:	mov	@-(r3),@x(r4)
a9:	mov	@x,-4(sp)
a10:	movb	r1+2,pc
a11:	add	-1,r0
a12:	cmp	-(r1),-[2]
a13:	sub	x(r1),@2(r5)
a14:	bis	@#1,@#2
a15:	mov	q,r0
a16:
q = r3
	mov	q,r0
a17:	mov	r1+7-1,(r7)
a18:
