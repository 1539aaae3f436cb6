	.globl	ext
a::	mov	@(r1)+,@-(r2)
b:	mov	@x(r1),@#ext
c = b - a
d == . + 4
	. = . + 3
	.even
e:	.blkw	-1
	.data
f:	.word	., ., 3
g:	.byte	-1, 'a, "bc
	.ascii	<x\>y\n>
h:	<ab>
	.bss
i:	.blkw	2
	.text
j:	clr	@r1
	jsr	pc,@(sp)+
	sob	r0,j
	rts	pc
	.data
k:	.even
	.text
l:	2:	nop
	br	2b
	br	2f
2:	halt
m = 2b
n = [1+2]*3 - 7/2 + 9.
o = -7/2
p = -7%4
q = 1\<17 + 100000\>17
