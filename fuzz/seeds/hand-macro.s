.macro m a,b,?l
l:	mov a, b
	.narg n
	.nchr c, a
	.ntype t, b
	.if b, a
	.iif idn a,b, w = 1
	.mexit
	.endc
x}a}b = 1
.endm
	m r0, (r1)
	m <#1, 2>, \c
.irpc ch, abc
	.byte ''ch
.endr
.irp it, <1, 2, 3>
	.word it
.endr
.rept 3
	nop
.endr
.if eq 0
.ift
.iff
.iftf
.endc
.nif
.endif
.list
.nolist
.include hand-inc.s
