; runtime.s - a small stand-alone runtime for a PDP-11 with a console
; terminal: string routines, shift-and-subtract arithmetic (and the same
; with the extended instruction set), octal and decimal output, a ring
; buffer for typed-ahead characters, an emt dispatcher, a few floating
; point helpers, and a start-up routine that exercises all of them.
;
; Calling convention: arguments and results in r0 and r1; r2 to r4 are
; saved by the routines that use them unless noted; r5 is the link
; register of the inline-argument calls; sp is the stack.

	.globl	_start, strcpy, strcmp, strlen, puts, putc, getc
	.globl	umul, udiv, emul, ediv, putoct, putdec
	.globl	rbput, rbget, emtdsp
	.globl	exit
	.comm	heap,400

; console device registers
TKS	= 177560		; keyboard status
TKB	= TKS+2			; keyboard buffer
TPS	= 177564		; printer status
TPB	= TPS+2			; printer buffer
PSW	= 177776
EMTVEC	= 30			; emt trap vector

; characters
NL	= 12
CR	= 15
SPACE	= '\s

; sizes and options
RBSIZE	= 40			; ring buffer size in bytes, a power of two
RBMASK	= RBSIZE-1
NSLOT	= 8.			; number of emt functions
STKSIZ	== 100.			; stack size in words, exported
PR7	= 7\<5			; processor priority 7 in the psw
FPU	= 1			; the machine has the floating point unit

; ---------------------------------------------------------------
; macros (not listed)

	.nolist

	.macro	push	src
	mov	src,-(sp)
	.endm

	.macro	pop	dst
	mov	(sp)+,dst
	.endm

; clear n words from adr on; adr and n are source operands
	.macro	clrblk	adr,n,?loop
	mov	adr,r0
	mov	n,r1
loop:	clr	(r0)+
	sob	r1,loop
	.endm

; print the string at msg, or a line end when no argument is given
	.macro	print	msg
	.if	.b.	msg
	mov	#crlf,r0
	.iff
	mov	#msg,r0
	.endc
	jsr	pc,puts
	.endm
	.list

; ---------------------------------------------------------------
; start-up

	.text
_start::
	mov	#stktop,sp
	reset
	mov	#emtdsp,@#EMTVEC
	mov	#PR7,@#EMTVEC+2
	clrblk	#rbuf,#RBSIZE/2
	.iif	.ne. FPU,	jsr pc,fpinit
	jsr	pc,runinit
	print	banner

; copy a string, print its length and compare the copy
	mov	#buf1,r0
	mov	#hello,r1
	jsr	pc,strcpy
	jsr	pc,strlen
	jsr	pc,putdec
	print
	mov	#buf1,r0
	mov	#hello,r1
	jsr	pc,strcmp
	tst	r0
	beq	1f
	jsr	r5,prmsg
	.word	nomatch
1:	mov	#1234.,r0
	mov	#10.,r1
	jsr	pc,umul
	jsr	pc,putoct
	print
	mov	curbuf,r1		; the current buffer
	mov	@curbuf,r2		; and its first word
	cmp	-2(r1),r2		; is the guard word in front the same?
	bne	panic

; echo typed characters, keeping them in the ring buffer, until a
; carriage return; then play the buffer back
echo:	jsr	pc,getc
	cmpb	r0,#CR
	beq	2f
	jsr	pc,rbput
	bcs	2f
	jsr	pc,putc
	br	echo
2:	jsr	pc,rbget
	bcs	3f
	emt	1			; putc through the dispatcher
	br	2b
3:	emt	0			; exit
	jmp	exit

; ---------------------------------------------------------------
; console output and input

; puts: print the NUL-terminated string at r0
puts:	movb	(r0)+,r1
	beq	2f
1:	tstb	@#TPS
	bpl	1b
	movb	r1,@#TPB
	br	puts
2:	rts	pc

; putc: print the character in r0
putc:	tstb	@#TPS
	bpl	putc
	movb	r0,@#TPB
	rts	pc

; getc: wait for a character, return it in r0 without parity
getc:	tstb	@#TKS
	bpl	getc
	movb	@#TKB,r0
	bic	#177600,r0
	rts	pc

; prmsg: print the string whose address follows the call
;	jsr	r5,prmsg
;	.word	string
prmsg:	mov	(r5)+,r0
	jsr	pc,puts
	rts	r5

; ---------------------------------------------------------------
; strings

; strlen: length of the string at r0, in r0
strlen:	mov	r0,r1
1:	tstb	(r1)+
	bne	1b
	sub	r0,r1
	dec	r1
	mov	r1,r0
	rts	pc

; strcpy: copy the string at r1 to r0; r0 is kept
strcpy:	push	r0
1:	movb	(r1)+,(r0)+
	bne	1b
	pop	r0
	rts	pc

; strcmp: compare the strings at r0 and r1; r0 < 0, 0 or > 0
strcmp:	movb	(r0)+,r2
	cmpb	r2,(r1)+
	bne	1f
	tstb	r2
	bne	strcmp
	clr	r0
	rts	pc
1:	movb	-(r1),r0
	neg	r0
	add	r2,r0
	rts	pc

; ---------------------------------------------------------------
; arithmetic

; umul: r0 := r0 * r1, unsigned, low 16 bits, by shift and add
umul:	push	r2
	clr	r2
1:	tst	r1
	beq	3f
	clc
	ror	r1
	bcc	2f
	add	r0,r2
2:	asl	r0
	br	1b
3:	mov	r2,r0
	pop	r2
	rts	pc

; udiv: r0 := r0 / r1, r1 := remainder, unsigned, by shift and subtract
udiv:	push	r2
	push	r3
	mov	r1,r3
	clr	r1
	mov	#16.,r2
1:	asl	r0
	rol	r1
	cmp	r1,r3
	blo	2f
	sub	r3,r1
	inc	r0
2:	sob	r2,1b
	pop	r3
	pop	r2
	rts	pc

; the same with the extended instruction set
emul:	mul	r1,r0
	mov	r1,r0
	rts	pc

ediv:	mov	r1,r2
	mov	r0,r1
	clr	r0
	div	r2,r0
	rts	pc

; shift r0 right by 3, then r0:r1 left by 8, then r1 by the count in shcnt
shifts:	ash	#-3,r0
	ashc	#8.,r0
	ash	shcnt,r1
	rts	pc

; sign-extend the low byte of r0; exchange its bytes into r1
bytes:	movb	r0,r1
	sxt	r0
	swab	r1
	xor	r0,r1
	rts	pc

; ---------------------------------------------------------------
; number output

; putoct: print r0 as six octal digits
putoct:	push	r2
	mov	r0,r1
	clr	r0
	ashc	#1,r0
	mov	#5,r2
1:	add	#'0,r0
	jsr	pc,putc
	clr	r0
	ashc	#3,r0
	sob	r2,1b
	add	#'0,r0
	jsr	pc,putc
	pop	r2
	rts	pc

; putdec: print r0 in decimal, without leading zeros
putdec:	mov	#10.,r1
	jsr	pc,udiv
	push	r1
	tst	r0
	beq	1f
	jsr	pc,putdec
1:	pop	r0
	add	#'0,r0
	jmp	putc

; ---------------------------------------------------------------
; the ring buffer: rbhead is the next slot to fill, rbtail the next one
; to empty; the buffer is empty when they are equal

; rbput: store the character in r0; carry set when the buffer is full
rbput:	mfps	-(sp)
	mtps	#PR7
	mov	rbhead,r1
	mov	r1,r2
	inc	r2
	bic	#!RBMASK,r2
	cmp	r2,rbtail
	beq	1f
	movb	r0,rbuf(r1)
	mov	r2,rbhead
	mtps	(sp)+
	clc
	rts	pc
1:	mtps	(sp)+
	sec
	rts	pc

; rbget: take the oldest character into r0; carry set when empty
rbget:	mov	rbtail,r1
	cmp	r1,rbhead
	beq	1f
	movb	rbuf(r1),r0
	inc	r1
	bic	#!RBMASK,r1
	mov	r1,rbtail
	clc
	rts	pc
1:	sec
	rts	pc

; ---------------------------------------------------------------
; emt dispatcher: the low byte of the emt instruction selects the
; function in emttab; a number out of range returns with carry set

emtdsp:	push	r1
	mov	2(sp),r1
	mov	-(r1),r1
	bic	#177400,r1
	cmp	r1,#NSLOT
	bhis	1f
	asl	r1
	jsr	pc,@emttab(r1)
	pop	r1
	rti
1:	pop	r1
	bis	#1,2(sp)
	rti

e.exit:	halt
	br	e.exit
e.putc:	jmp	putc
e.getc:	jmp	getc
e.puts:	jmp	puts
e.oct:	jmp	putoct
e.dec:	jmp	putdec
e.bad:	bis	#1,6(sp)
	rts	pc

; initialise the ring buffer and the line count
rbinit:	rbclr:	clr	rbhead
	clr	rbtail
	rts	pc
tminit:	clr	lines
	rts	pc

; run the routines of inittab, last one first
runinit:
	mov	#initend,r3
1:	cmp	r3,#inittab
	blos	2f
	jsr	pc,@-(r3)
	br	1b
2:	rts	pc

; a threaded-code step: r4 walks a list of routine addresses
next:	jmp	@(r4)+

; odds and ends of the machine
chkbuf:	tst	@(r2)			; word at the pointer in r2
	clr	@r1
	inc	@2(r5)
	bit	#1,@#PSW
	bne	1f
	wait
	iot
	bpt
	nop
1:	rts	pc

; return from a routine called with the mark convention
mret:	mark	0

; give up: the trap handler of the system prints the registers
panic:	trap	0
	br	panic

; ---------------------------------------------------------------
; floating point

	.if	.ne.	FPU
fpinit:	ldfps	#200			; double precision
	setd
	rts	pc

; fpadd: the double at r0 := itself plus the double at r1
fpadd:	movf	(r0),fr0
	addf	(r1),fr0
	movf	fr0,(r0)
	rts	pc

; fpscale: fr1 := 10 * the double at r0, minus one; compare with fr0
fpscale:
	movf	@r0,fr1
	mulf	fpten,fr1
	subf	#1,fr1
	cmpf	fr1,fr0
	cfcc
	movfi	fr1,r0
	stfps	r1
	rts	pc

; fpint: fr0 := the integer in r0
fpint:	movif	r0,fr0
	rts	pc
	.endc

	.if	.df.	DEBUG
dump:	mov	r0,-(sp)
	jsr	pc,dbgout
	trap	17
	.endc

; ---------------------------------------------------------------
; initialised data

	.data
banner:	.ascii	<runtime self test\r\n\0>
hello:	.ascii	<hello, world\0>
	.even
crlf:	<\r\n\0>
nomatch: <copy differs\0>
	.even
digits:	.ascii	<0123456789abcdef>
bits:	.byte	1,2,4,10,20,40,100,200
ctab:	.byte	SPACE, 'a, 'z, "AZ
	.even
fpten:	.word	041040,0,0,0		; 10.0 as a double
emttab:
	.irp	f,<exit,putc,getc,puts,oct,dec>
	.word	e.}f
	.endr
	.rept	NSLOT-6
	.word	e.bad
	.endr
inittab: rbinit
	tminit
initend:
curbuf:	.word	buf1
shcnt:	.word	5
here:	.word	., .-here
vers:	.byte	1, 3.
	.text
	.data
tail:	.byte	-1

; ---------------------------------------------------------------
; uninitialised data

	.bss
rbhead:	.blkw	1
rbtail:	.blkw	1
rbuf:	.blkw	RBSIZE/2
buf1:	.blkw	40.
lines:	.blkw	1
	. = .+20			; spare
stack:	.blkw	STKSIZ
stktop:
