; mixed program: instructions, data and labels in three segments
	.globl	lib67, lib3895, ext6395, sys_8287, lib2809, lib8467
	.comm	com6975,137
	.comm	com4140,67.
	.comm	com8158,26
N_9146	= ext8088+5
SZ3620	= bf1660+3
OFF4914	= 26	; a,b,c
SZ5227	= 13
SZ3707	= 0
V8121	= 50.
	mov	latereg,r0
latereg	= r2
	mov	latereg,r1
counterlabel:	inc	counterl_other
eightchr:	dec	eightchrs_too	; the same symbol
	movfi	fr1,@(r2)
	br	eightchr
	add	(r5)+,ext2159+21(r2)
x_5826:	blo	tb5643
m$6614:	modf	fr1,fr0
	bit	-125,(r4)	; mov r0,r1 here
5:	bmi	5f
	tstb	@(r2)
	rts	r5
	bisb	-(r2),@.+58.
	mtps	102264(r2)
	sob	r0+3,sys_9402
	absf	(r1)
	movf	@lib9334,fr1
	addf	fr3,fr0
	x_5826
	rts	r4
	.data
x_5031:	.byte	[lib2809+V8121]*2, 2, 10, 257
	.ascii	<sv4>
	.word	.
	.word	.+84.,x_5826-m$6614,V8121,m$6614,!3650.
	.byte	35., 160
	.even
	.word	62589.,-180.,lib5513-15
	.word	x_5031+26,!137652,sys_442-3,'9,.+122
tb5643:	.byte	113, 235, x_5826
	.ascii	<_YfX'\eYh8_+8~Yk>
	.byte	-5, 320	; the end
ent4391:	.byte	'a, 'c
	.byte	251, 224., 341
	m$1825+35
	.ascii	<h~r\0$'X &d8-m@uy$Y.!9>	; <odd> text
	.ascii	<#l9;'g@n,|Z/p4t^\tejZ8>
	.word	ent4391,tb6920,62764,2853.,11707
	.ascii	<29>
	.byte	'+
	.word	m$6614+45,m$1825-21,sub1384,eightchr

	.byte	35, 336, 162, -53
ent1291:	.word	.
	.ascii	<t6>
ent4205:	.word	.
	.byte	ent4205, 315, 213, 157., 197.
	.word	!16023
	.even
	bf5980
	SZ5227\<2
	.byte	'9, -98, x_5826, 61, -42, 'Y, 178., 124.
	.byte	!2330., 360, 65, -114, x_5826-eightchr, 231	; <odd> text
	.word	eightchr-counterl,eightchr

	.byte	106, 'Z, 247, 'b, V8121\<3, 12065., 377, -21
	.word	eightchr,sys_2947+15,-2.,x_5031+12.,m$3629
	.even
6:	.word	SZ3707\<5
	L8274
tb2721:	.word	lib1001,-214,145326,sub1801+17
	.word	OFF4914\<4,counterl-x_5826,[m$8913+SZ5227]*2
	.ascii	<>
	.ascii	<\\g72g_\\+3l?[ac]h6&'r}YxX<_">
	<h59`(+0n 1b>
7:	.ascii	<9Ye\q\sq18?!^f>
	.byte	172, 105614, 270, 123., 106312, 'c, 62.
	.word	'y,[x_5826+SZ3707]*2,153642
3:	.word	x_5031,[ext393+OFF4914]*2,x_5826
	.ascii	<a@.j&!^3rb3\>g<2v*4</^t/4>
	.text
	cmpb	@(r5),@(r4)+
	cmpb	@-3(r3),SZ5227(sp)
	SZ3707
	neg	-11(r2)
	.ascii	<{6+vB6>	; mov r0,r1 here
	sxt	@60213
	movb	@-(r3),-(sp)	; mov r0,r1 here
sub7874:	bhis	0f
sub1384:	bpl	.+0
	clrb	@-(r2)	; a,b,c
	bes	0f
	movb	@r4,@V8121(r3)
	bit	(r5),@(r2)
	br	ext7687	; the end
	clr	@r1
	blt	3b	; check 1f and 2b
	mfps	tb404(r1)
	.ascii	<*lbv'Cil>
	mov	sp,@-21.(r2)
	mtps	@(sp)
	movfi	fr0,@ent4391+15
lp6192:	mov	sp,-(r5)
	cmpb	@r4,@-(r1)
	br	ext6395
	modf	ent4205+27,fr1
	bisb	@(r5),!35426.(sp)
	clz

	bvc	6b	; a,b,c
	sev
	rts	r0
	add	@r1,r4
	jsr	r2,@-63.(r0)
8:	addf	@#!53695.,fr3
	.globl	ext6209
	bicb	@(r5),@-54(sp)
OFF7454	= .+0.
	xor	r1+2,@(r1)+
	sbcb	sp
	bisb	26116(r0),@(r3)
	movif	x_5031-16(r2),fr1
m$7642:	sbc	sp
	.ascii	<a0+p8^!h4=}(nA%q6[\pt06s[gjtn>

	movof	#!17596.,fr0
	divf	fr2,@ent4391	; mov r0,r1 here
ent3750:	bic	(r0)+,@(sp)+
	bis	r2,@(r1+3)
ent3672:	sec
	bgt	ext6811
	.word	ext7687-5
	add	@tb5643-11,(sp)
	bic	#54537.,@74733
	com	@(r2)
	ent4391-16
	tst	@r1
	add	@'a,(r0)	; @#x (r)+
2:	sbc	@m$7642
	cmp	#145740,-104(r3)	; check 1f and 2b

	emt	240
	div	@-37(r1),r2
	aslb	@(r1)+
	.ascii	<|(/-$ :lh4Xr&hqsY&)8!!>
	ldfps	-(r3)
	jsr	r2,-117(r3)
	tstf	-87.(r3)
	bes	4f
	ashc	36671,r1
	bpl	0f	; check 1f and 2b
	com	@(r1)+	; <odd> text
	sub	@-14(r4),@r4
	cmp	#ent4205,@(sp)
	.word	SZ3707\<2
	.data
	eightchr-10
	.ascii	<C/"_<(\rau(|etf>
3:	L8448-4
	.ascii	<;&*{w2^%/>
	.byte	216, 15764, 300, -56, -59, 'X, 164.
	.ascii	<dlxB+7>
	.word	ent3750+31,42767,V8121\<2
	.word	.
	.byte	327
	.word	.
	.word	.
8:	.ascii	<6nn715XdX\t"Y@s^otu&@)Z<f>
	.word	.
	.ascii	<b\st]i('0\n-f:\0f#nwmt6Yf}<^c4g>	; a,b,c
	.even
	.ascii	<=2#%:>
	x_5031-9.
	<%\sX-i5/|s]=aguva,<5>
	.word	ent3750-17,[x_5031+SZ5227]*2,tb2721,lib8467	; check 1f and 2b
	.text

	ash	(r4),r1
	.bss
	.blkw	29.
	.blkw	V8121+2
	.blkw	[SZ3707+3]/2
	.blkw	SZ5227+1.
	.blkw	30.
	.blkw	SZ5227+4.
	.blkw	SZ5227+0
	.blkw	46
	.blkw	[V8121+3]/2
	.blkw	32.
	.blkw	OFF4914+2
	.even
	.blkw	[SZ3707+3]/2
	.blkw	16.
	.blkw	[V8121+3]/2
lp7322:	8:	.blkw	SZ3707+3
	. = .+35
m$8913:	. = .+1
	.blkw	40
0:	.blkw	[V8121+3]/2
	.blkw	SZ3707+4
	.blkw	SZ3707+3.	; mov r0,r1 here
	.blkw	OFF4914+1.
	.blkw	23
	.blkw	20
	.even
m$3629:	. = .+12.
	.blkw	V8121+1.
	.blkw	27
	.blkw	[SZ5227+3]/2
	.blkw	OFF4914+4
	. = .+27.
	.blkw	[SZ5227+3]/2
	.even
	.even
N_5736	= .+16
	.blkw	12
	.blkw	[SZ3707+3]/2
9:	.blkw	27
	.blkw	OFF4914+4.
	.blkw	[SZ3707+3]/2
	.blkw	[V8121+3]/2
	.blkw	[SZ3707+3]/2
4:	. = .+6
	.blkw	33.	; @#x (r)+
bf5980:	.blkw	26.
	.blkw	45
	.blkw	[OFF4914+3]/2
SZ7599	= OFF4914\<2
	.even
	.blkw	0.
	.blkw	20.
bf8663:	.blkw	SZ3707+3
9:	.blkw	27.
	. = .+4.
	.blkw	15
	.blkw	23.
	.blkw	10
	.blkw	[SZ5227+3]/2
	.blkw	41
	.blkw	[SZ3707+3]/2

	.even
	.blkw	23
	.blkw	OFF4914+2
	.even
	.even
	.blkw	V8121+4
	.blkw	45
	.even
	.blkw	[V8121+3]/2
	.blkw	4
	.blkw	[V8121+3]/2
m$1383:

1:	.blkw	[SZ3707+3]/2
	.even
sub991:	.blkw	[SZ3707+3]/2
	.blkw	15
	.even
	.blkw	SZ5227+2
	.blkw	OFF4914+4
	.blkw	SZ3707+2
	.text

	movie	fr3,fr3
	.word	.+16
	cmpb	r4,(r4)
	movfi	fr3,lp7322
	decb	(r3)+
bf1660:	sub	-(r4),(r0)
	decb	@-(sp)
	bisb	@-(r3),(r4)
	.bss
	.blkw	[SZ5227+3]/2
	.even
	.blkw	OFF4914+0
	.blkw	[SZ3707+3]/2
	.blkw	V8121+4
m$142:	.blkw	15.

	.blkw	OFF4914+1.	; mov r0,r1 here
	. = .+10
	.blkw	SZ5227+3.
	.blkw	[V8121+3]/2
	.blkw	18.
	.blkw	47
	.blkw	[SZ3707+3]/2
	. = .+27
L9095:	. = .+11.
	.blkw	OFF4914+4
	.blkw	[OFF4914+3]/2
m$9782:	.blkw	29.
	.blkw	[OFF4914+3]/2
	.blkw	17.	; mov r0,r1 here
	.blkw	7
	.data
	.globl	m$1825,bf6926
	.word	tb2721-21	; a,b,c
	.word	tb2721	; <odd> text
	.word	ent1291,L8448+13.
	.even
bf4137:	.word	.
	.word	[x_5031+V8121]*2
m$7970:	<e<bi[>
	L2987
	tb6920+19.
	.byte	97., 'b
	<\q'x_}>
	.word	bf4137,.+120,lp9400

8:	.word	bf4137+34,ext8088
	101042
bf6926:	.word	.
	.ascii	<Zci]ag>
	.word	counterl-sub7874,ext6209,m$6614+25.,SZ3707\<3,!19966.
	-68.
	.byte	117, 157.	; a,b,c
	.word	V8121\<6,OFF4914,tb2262+43,bf4137
	.word	.	; a,b,c
	.byte	110, -91, 36., 57., 157., 106., '9, 'X
	SZ3707
	.word	'c
x_4003:	SZ5227\<7
	.word	'2,ext8088,[bf4137+OFF4914]*2
	.word	m$9782-7.,ext6395,-140,lib67,lp2521
	.word	OFF4914,ent3672-23,45933.,ent4391+21,75777
	.word	[lp6192+SZ3707]*2,43520
	.word	SZ5227	; a,b,c
	SZ5227
2:	.word	OFF4914\<7,ext8447+44,[m$3277+OFF4914]*2,m$1825
	.even
OFF2635	= m$7642+5.
	bf1660	; <odd> text
	.word	103424,sub991+3,!1260,lib1001,ext393+10.
	.word	L4702,lp9400+14
	.word	SZ3707\<2,!113212,52300,V8121,.+110
	.word	m$9782,bf8663
	.byte	231, 171., -82, tb5643
	.word	.
	.byte	273, 25, 216
	.word	15009.,x_1569,bf6926+26.
	.byte	223., 63943., -92, "Zc, 'c
	175234
tb6920:	5:	.byte	370, 144, 14., 193., -37, 13642
	.byte	-56, L8448, -33, 245.
	.word	-28.,OFF4914	; a,b,c
L8274:	.word	.
	.byte	70, 16511, .+6, 125, 'b, -64
	'%
	.globl	lib3895,sub1801
0:	.word	.+20.
6:	.word	.
1:	.byte	252, 81., 151., 177, 109.
	.byte	274, -7, .+110, '9, 341, 230, 'b, '+
	<\0z <|Xv,}k\\t3o7'7c\0" l19q>
	.byte	44, 134., -19, '9, 374, 207.
	sub991+36
	.byte	330, '9, 'Y, OFF4914, 42., x_4003-11, 153.
m$1825:	.word	.+14
	.text
	negb	@(r5)
	bisb	@-(r1),r3
	jsr	r0,@-252
	als	@(r4)+,r0
ent3648:	tstb	@-(r1)
	bitb	@-(r2),-91.(r2)	; mov r0,r1 here
	sev
1:	neg	SZ3707\<5(r3)
	dec	@-(r2)	; mov r0,r1 here
	mov	-(r0),@(r1)
	jsr	r1+2,@r1+0
K1203	= OFF4914|V8121
	mov	r4,@.+64
	bic	@-(r1),@#[L7180+OFF4914]*2

	mov	r2+2,@(sp)
	jsr	r1,@x_4003
	bic	@r1,(sp)
	subf	fr2,@-(r0)
	ble	lp7322
	ash	(r0)+,r0
	cmpb	r1,bf4316+40
	bne	9b
	beq	6b	; loop: again
	mov	r0,(sp)
	.word	tb7830-1.
	blos	tb2721
	.ascii	<f$7A5\>@A8>
	.even
	bgt	L7180
	bec	1b
1:	ent4391
ent6128:	sub1801:	sob	r4,0b

N_1662	= ext467+10
	tst	-40(r0)
	divf	@163552,fr1
	bcs	5b
	mov	r0,OFF4914\<7
	bit	@r1,@sys_1965-23(r4)
tb404:	rts	r4	; @#x (r)+
	bhi	2f
	mov	r2,-(r1)	; @#x (r)+
	cmp	(r5),@r1
L2987:	halt
	bicb	@sys_8287,(sp)
	.word	!1837.
	.bss
L8448:	. = .+7.
7:	.blkw	[OFF4914+3]/2
	.blkw	10

	.blkw	11.
	.even
	.even
	.blkw	[K1203+3]/2
	. = .+6.
	.blkw	SZ5227+0
	.blkw	[K1203+3]/2	; check 1f and 2b

	.blkw	[SZ5227+3]/2
	.blkw	6
	. = .+5
	.blkw	V8121+2

	.even

	. = .+2
	.blkw	6
	. = .+8.
	.even
	. = .+21
	.globl	tb6920,ext8447
9:	.blkw	[K1203+3]/2

	.blkw	6
ent2113:	.blkw	SZ3707+2	; the end
	.blkw	16
	.blkw	V8121+2.	; a,b,c
	.blkw	13
	. = .+35
	.blkw	SZ5227+2
	.blkw	V8121+3
	.blkw	SZ3707+0.
bf3658:	.blkw	[V8121+3]/2
8:	.blkw	OFF4914+3
x_6059:	.blkw	[K1203+3]/2
	.text

	mov	r4,@(r5)+
	alsc	@-(r5),r2	; mov r0,r1 here
	beq	ext7687
	movb	@(r1)+,tb5643-20
	cmpb	@136431,@bf4316+1.(r4)
	.data
	.ascii	<&`#A\t'2Xb*d3zk+Cep>
	.byte	'b, 160, 224, !23017, 262, 206., SZ3707\<7
	.even
	.word	120345,122352,tb3133-18.

	.byte	tb2262, 361, 174, 106, 265, 'Y
	.word	OFF4914,m$7642,2331,.+50.
	.word	SZ5227,[sys_1986+SZ3707]*2
	.byte	OFF4914, 324
tb5154:	.word	SZ5227,K1203\<1,x_5826-m$7642,[sys_2947+SZ5227]*2,L2987
lp3341:	.byte	'Y, 123
	.ascii	<>
	.word	54002,tb2262,V8121
	.byte	-274, 'Z, 362, 'Y, '+
	.word	[sub991+K1203]*2,lp3341,"eZ
6:	.word	[x_9031+V8121]*2
V3044	= counterl+13.
	.word	OFF4914\<2,SZ5227\<6,bf4137,ext6395
	.ascii	<\r*%-6qh)zCXkn/e=\\4]fm=>
	177444
	.word	L8274-23,SZ3707
	.ascii	<5A-mm]w\n?B B>
	.word	ent7496
	.ascii	<.j(bm[5vv'wr))Z1q^>
SZ3020	= V8121+K1203
	.text
	movb	@52310.,@-(r0)
	.word	lib3830-3
K3937	= 57.
	dec	@(r0)+
	rtt	; check 1f and 2b
SZ1597	= 47.
ent7496:	br	5b	; the end
	.ascii	<Y1xi Ar<t%Zrt\>5>
5:
	.even
	cmpb	(sp)+,(r3)+
	bcc	7b
	cmpb	-131(r1),@(r5)	; <odd> text
	halt
	mov	@-27.(sp),@-(r1)
	mov	r2,r5
9:	ldfps	@m$1622+44(sp)
	bitb	@-70.(r0),@r4
L4702:	bic	m$9015(r2),@#ent4391-12	; loop: again
	add	#lib8467,(r2)+
	trap	114
	add	(r2),r4
	neg	@(r3)+
sub4042:	bcc	6f
	asrb	@#m$142
	movb	[ent3750+SZ3707]*2(r3),@-125(r2)
	jsr	r4,.+132(r2)
	sub	@47147(r2),@sys_2554+3
	aslb	@r5
	.word	[bf1660+SZ5227]*2	; loop: again
	bit	@sub4042-sub7874(r0),@(r4)+
	cmp	-2.(r4),@-(r4)	; mov r0,r1 here
	bic	@sp,@.+74.(r1)
	tstf	@#lp527+5
	divf	@-65.(r1),fr0
x_1569:	bcc	1b	; mov r0,r1 here
tb9476:	bvs	1b
	sub	-(r1),.+112
N_4049	= m$6614-lp6192
tb2262:	movb	(r3)+,@(r5)
	rol	@(r3)+
	bic	@[lib5226+K3937]*2(r5),(r5)
lp2521:	bge	ent7496

	. = .+8.
lp9400:	sub	@sp,@r0
8:	bcs	4f
	movb	@.+52.,'2(r0)
	.data
	.byte	K1203\<3, 'a, 257, '9, 62
	.byte	271, -69
x_1663:	.ascii	<n! Ct<p[y\eiZvf82;\\@o>
L7180:	.byte	161., 4, '+, -35, 'Y, 324
	<!$w,nu>
	<]3#<_fa%:u\s\noZh\phZ":|45\>%'}>
	.ascii	<$}8\>sl{YBo] 3veX\s*c x>

	.word	OFF4914,'Z,x_4003+25.
	.byte	357, ent6128-tb404, 208.
tb4477:	m$3277:	<.fe?#d\q=mrrZA4!|n3B?z>
	.word	"eb
	.ascii	<(fu\nf$"9&`{t>
	.even
	.word	'z
	.ascii	<|j8\ngbo{\ql`+.=$e?\0%"Zvek>
	.ascii	<Z2khnq`0`Xq.=;Yho$\q;;&-y/:ju`>
	!167112

	.word	.
	.word	15465,!37744.,[tb3133+SZ1597]*2,!7335,eightchr+4
tb3133:	.word	!124234,ent6605,lp7322,sys_1965,'$
	.word	m$1383,'z,[lib4494+K3937]*2
	.word	[lib4494+SZ1597]*2,bf6926+36	; check 1f and 2b
ent6605:	r1
	.byte	161, 142, '0, 2, '+, 'a
	.ascii	<\t@\n\exw~C\s]eA>
tb7830:	.ascii	<a_!sB9q^o\p\\/(]p_$[mh$>
	.even
	V8121\<7
	.word	'x,OFF4914
	<|x|B:u\qhpBg8`B12]=}A}:d(gy(4[>
	.word	lib5226+7	; a,b,c


	.ascii	<jji~=$53=\n!>
	.byte	320, 323, lp7322-15, 346, '0

lp1823:	.word	127271,!135724,OFF4914,.+42,K3937
	.+142
	.byte	157
	.ascii	<!r-u%(\rA)0b*X&2%nB'\s>	; loop: again
bf4316:	.word	x_2229,m$6327-11.
	.ascii	<\e&#CXBC@ns#_-nj_\e\s/v-_>
m$9015:	.ascii	<\>csp3~C\t=8_'cv3k4j-}da>	; the end
	.word	36045
	.word	.
	r5
	.word	22068.,x_5031,lib2757,171257
	.byte	"aY, 162, 'b, 172, 143, m$1825
	.word	.
	sys_442
	.byte	73., ent4391+38., 75, 304, 22, 303, 'b, 351
	.word	ent2113,167425,V8121\<7,SZ3707
	<?)%<h5@/a/(l591.\0A>
	.byte	64, ext467, 325, 129.
	.ascii	<za7CrYX\\92u &oB_eA78>
N_2997	= OFF4914&K1203
	.even
	.word	bf4316
	<Cr(e=x)= >	; <odd> text
	.word	.
	.word	tb4477,100156,57331.,x_6059+31
	.byte	-9	; @#x (r)+
	"YZ
x_9031::	.word	m$1930,OFF4914
	<*j; .#p';ssk*4\nx{7-gf6>
	K3937	; <odd> text
	.word	'A,bf5953+32,125514,ext8447-13,15647
	.word	tb2800-22
m$6327:	.word	.	; check 1f and 2b
bf5953:	ext6811+22
	.even
V5020	== 23183.
	lp6192
	.byte	'c, -112, -61, 210, 34., 63, m$8913
	.byte	-91, 375
	.byte	'Y, '0, 221., 146.
	.ascii	<\tw{h\e1/>	; @#x (r)+
	.word	lib8467,x_5031,31645
	.word	x_5826,x_2229,ext3030,[x_5826+N_2997]*2,ent3672+25.
	.word	!16959.
	.even
	.word	'%	; @#x (r)+
0:	[tb8374+N_2997]*2
	.word	bf8569,sub1384-m$6614,-19.,ext8088+46,[lib3830+SZ1597]*2
	.word	-145,x_4573+10.,lib1001+24,x_6059
ent6345:	.byte	sys_1965, 217., 243, -89, 'c, SZ1597\<1
	.word	sub4042-tb2262,39182.,.+22.
	r0
	.byte	-37, 6, ext6395-20, 156, 105.	; loop: again
6:	.even
5:	.word	73227	; <odd> text
	.byte	373, 'Z, 'c, 'Y, 20621, 74
tb8374:	.word	lp8440-15,sub3987	; check 1f and 2b
	.byte	-124, 43, '0, 'Z, 370, 179., -37, 142.
3:	.even
L5258:	x_4573:	.word	lib8467,"aZ
	.word	.
m$4228:	.byte	17., -61, 317, 335, SZ5227, 'X, 25

	.word	22638.,bf4938,ent5174,64366,SZ3707
	.even
	.byte	4, '9, SZ1597\<4, 252., counterl, '+, lib5226, sys_442+8.
ent8247:	.byte	239., 'b, 143, 'a, -2
m$1622:	155734
	r4
sub9770:	6224.	; <odd> text

	.word	[ent4205+K3937]*2,tb8275,bf4938+14,x_4003+12.
	.byte	265, 'Z, 230., m$1930+40, -33	; mov r0,r1 here
	.even
	.word	bf4316,50035,sub8551,m$4228,tb2262
	.ascii	<<,7rlp\\,\r~>
	<8<\s\e(<\t,<3~/qub>
	.word	tb6798+1,tb9476,12076.,'1,48554.
7:	.byte	ent7496, x_4573, 6262, 65, 145.
	.even
	.ascii	<w}Bl*9\t'7x0|we@= _3(d>
	.ascii	<_>
	.word	L2964+33,K1203
	.ascii	<]%m.@\n#\0:k-\n&)q#c|w 20!e6:>
	<\>bh;:(p+0>
	.word	x_4003,tb6798+22.,'9
SZ1408	= 13
	.ascii	<q\p\s>	; check 1f and 2b
	.byte	'c, 202, 157., 155., 34., 'a	; a,b,c
	.byte	'a, 'c, .+150, 130, 122, !1437, lp6915
	.word	.
	.byte	104., 333

	.word	N_2997\<3,L2964-4
3:	.byte	V8121

	.word	tb5145+33,47543,-301,x_6059-3.	; <odd> text
	.word	x_1569
	.word	.	; <odd> text
	.word	bf1512,SZ3707
	tb7830
	.word	44501.
	.word	[lp9706+SZ1408]*2,'2,sys_5520,ext6395,[m$3277+SZ3707]*2
	.ascii	<Z\p9;>
	.ascii	<(^YsB5\>.e%}/Z{'qojq ::\ez*>
bf4938:
	.byte	'Z, x_9031, 302, 165, 'X
	.even
9:	ext8088
L9321:	.word	lp2315+10,OFF4914\<5
	.ascii	<6>	; check 1f and 2b
	.word	[ext4508+N_2997]*2,m$3629,"fY
	.word	55672,[bf3304+K3937]*2,bf1660-x_1569,bf8569,-107
	<p2@@"r>
	.byte	207., 201, 124., 224
	.word	.
	.word	123712,K1203,tb8275,243.,counterl
	.word	counterl-bf1660
K6992	= 65
	.word	21345.
	.word	[m$3277+K1203]*2,-217
	.bss
	.blkw	[SZ5227+3]/2
7:	.even
	. = .+30
	.blkw	16
	. = .+1
	.even
	.blkw	33
	.blkw	SZ1408+4
	.blkw	[K3937+3]/2
2:	.blkw	[K3937+3]/2
lp527:	.blkw	12.
	.blkw	[SZ3707+3]/2
	.blkw	13.
bf8569:	.blkw	30
	. = .+26
	.blkw	12
	.blkw	2
	. = .+16
tb6798:	.blkw	7.
	.blkw	[N_2997+3]/2
	.blkw	[K3937+3]/2
7:	.blkw	5
	.blkw	[SZ5227+3]/2
V6198	= SZ1597+K6992
	.even
	.blkw	[SZ1408+3]/2	; the end
	.blkw	42
	.blkw	SZ3707+1
	.blkw	9.
	.blkw	3
	.blkw	35
	.even
	.blkw	3.
	.blkw	5
bf4284::	.blkw	2.
	.blkw	44
	.even
tb2800:
	.blkw	[SZ5227+3]/2
	.blkw	[SZ1408+3]/2
	.blkw	[SZ1408+3]/2
	.blkw	31
0:	.blkw	44
	.blkw	[SZ3707+3]/2
	. = .+2.
	.even
	.blkw	10
	.blkw	31
	.even
	.blkw	[N_2997+3]/2
	. = .+16.
	. = .+17.
	.blkw	SZ5227+4
m$2101:	. = .+5
	.blkw	[SZ1408+3]/2	; check 1f and 2b
	.blkw	23.
	.blkw	SZ1597+4
lp1637:	.blkw	SZ3707+0.
	.even
	.even
	.blkw	[K3937+3]/2	; <odd> text
ent5174:	.blkw	OFF4914+4
	.blkw	27
	.blkw	4.	; loop: again
	.blkw	41
	.even
	.globl	tb2721,eightchr,lp4389

	.text
	bit	@r3,bf8850(r5)
	bit	r2,@-254(r5)
	clrb	@r4
	ldfps	fr3
	bcs	m$2101	; check 1f and 2b
m$1930:	bvc	sys_442
	negb	@-46.(r2)	; the end
	.data
	.byte	27, 229., 40, 272, 140, 114, -45, K3937\<6
x_2229::	.word	36023,62992.
lp9706:	.byte	47, 167, 370, bf3304, 'Y, 107.
	.+154
tb5145:	.word	SZ1408\<7,"ae,.+106
	.even

	.ascii	<l.>	; a,b,c
	.byte	'X, 373, -20
	.even
	.even
	.word	.	; <odd> text
	.byte	'0, V8121, 370, 137, 'Z, 156.
	.byte	ent3648+47, x_1174, -21, 'b, 260, bf8663, 132.
	.even
	r4
5:

	<t?-pA6vkz$.a82)x~n!A?nvi>
	.word	ext6209,"bb,lp4389,-104.
	.byte	27, 24.
sub8551:	.word	L4702-6.,m$7642-tb2262	; a,b,c
	<sf\05lo"n^o*7Yty|k]A\0&%>
	.word	K6992\<1,"fd
	<6Zxt\qC=].]vj~\n4X\n>	; a,b,c
	.word	[lib67+N_2997]*2,m$1930+33,115013
	.word	25561,!157672,ext6209
	.ascii	<\\gq;\>=ktAle3>
N_8304	= r0+2
	.word	[tb3677+K3937]*2,ext4508+34,m$3629-11,sys_442
	<h'ws9`7A^<j>
	lp2315-12
	r0
2:	.byte	205.
	.word	tb8275-21,tb3133+37.,!164752
	.ascii	<;-+\\(|0\sl[s1'&%3]eiy4%C,>
	.byte	'X, lib3830-2, [lp2521+K1203]*2, 127, lp1637, 'a
	.word	x_1174,lib7301,L9321,'x
sub3987:	.word	.
	8969.
	.ascii	<C>
	.word	'#,tb5643,bf9383+7.,SZ3707,V8121\<2
3:	.even
	.word	lp4389,"bX,[lp7322+SZ1597]*2
	x_2229+2
	.ascii	<1lq6"\>@66ti\pw~hsudi>
	.byte	194.
	sub245	; <odd> text
	.byte	147, 136., 234, 90., 243, 140, 24
lp2315:	.word	-153,ext3030,SZ5227,lp1823
	.byte	-57, -42, 'X, -47
	<q|@iztr4\qxZ0v~B$2+m&_xj>	; check 1f and 2b
	.ascii	<g}(n?3\t8*#]/19\p>
	.byte	!64139., '+
	.byte	'+, K3937, 29., 265, 5
	.word	x_4003+22.,bf9383,'%,.+150
	.ascii	<9o\pd23qm:!&x&8>
bf841:	.word	.
	.ascii	<0<dbp-4\pX@\0X~(u)#-?\s{w,B\t.i>
2:	r4
7:	.byte	'c
	.even
	.byte	56, 'X, 'Y, OFF4914, 322, 'Y
	.word	sub3987
	.ascii	<Btcp<el;y$,i*k.-\pe1,\t^>	; loop: again
	.word	"db,tb404,"bX,[bf3304+K6992]*2,"Xb	; @#x (r)+
	.byte	254
	.even
lp8440:	.word	.
7:	.byte	-90., 74, 63
	.+166
	.word	tb2721-12,SZ5227
SZ368	= L7180-sub7874
	r5
	.word	.
	.byte	247., 244, -48, m$1930+11, -26
	53398.
bf9383:	r4
SZ1888	= ent1291-tb2262
	.word	.
	.word	.	; @#x (r)+
	.word	L4941-2.,lp3341+16,x_1663,tb4477-10.	; the end

	.byte	81., -33, 210, m$1383+22, 375, N_2997
	.byte	x_4573-5, 323, 25, '+
	.word	m$1622,m$4228,lp9400+26,lib7301
	.ascii	<fdwwud^[{y]fnj{8\\\\*(fb6>
	.byte	111., '0, lib7301+8., 55, lp6915, 'c, 376	; check 1f and 2b
	.word	L2987+33,x_1174,162012,lib4494+21
	.word	ext6209,sub245,sub1384-L2987,ent8247-21
V3360	= lp6192+2.
	<\t\q<9sfa`g!_p4\e2+bl8lumta1>
	.word	.
	.word	.
9:	.ascii	<`b3p9->
	.ascii	<sfZ#)Yu@/ \>$ui\0(*>
	.word	lp1823-22,[tb3677+SZ1597]*2,54076,36871.,m$142+30
	.ascii	<w\snk$9=,;ed}6b;rfj2=>
	.word	bf3304+26,sub8551,lp6192+22.,.+20	; check 1f and 2b
bf8850:	<\>^k;Y_6z%meBqe?>
	.even
tb8275:
	<~l_gv>
	.word	167362,tb3370+14,V8121\<3
	<\0/b\n1>
	.word	tb3370,SZ1597,.+30,ent8247

x_9876:	.even
	.word	SZ3707\<7
1:	'A
	.byte	SZ5227, 150, 11.
	.bss
tb3677:	.blkw	K1203+0
	.blkw	[V8121+3]/2
	.blkw	[K1203+3]/2
1:	.blkw	46
	.even
	.blkw	22.
bf1512:	.blkw	OFF4914+4
	.blkw	3
	.blkw	K1203+3
	.blkw	V8121+2.
	.blkw	SZ3707+3
	.blkw	[SZ3707+3]/2
	.blkw	OFF4914+2
	.even
	.even
	. = .+2
	. = .+22.
	.blkw	N_2997+3.
	.text

	sub	@(r4)+,-(r5)
	halt
	.bss

bf3304:	.blkw	[SZ1408+3]/2
L2964:	.blkw	0
lp6915:	.blkw	K1203+3
	.blkw	[K1203+3]/2	; @#x (r)+
	.blkw	34	; check 1f and 2b
	. = .+20
	.blkw	[SZ1597+3]/2
	.text
	.globl	ent4205,x_1174,m$1622
	comb	@-24(r3)
	add	@r3,-37.(r3)
0:	tstb	SZ1408(r1)
2:	bit	@(r5),-(r5)	; check 1f and 2b
	trap	226.
	comb	-15(sp)
	mov	@(r5)+,@(r0)
	bes	bf1660	; mov r0,r1 here
	ror	@-(r1)	; @#x (r)+
	bic	@#K1203\<6,@-(r4)
	mov	r4,-(sp)
K9966	= ent3648-eightchr	; mov r0,r1 here
OFF2436	= 70
	bmi	bf6116

	blt	2b	; the end
	aslb	@r2
	ent3750-tb9476	; @#x (r)+
	movei	fr0,27798.(r3)
	sob	r1,x_8142
	add	@#K1203\<7,@(r0)
tb5126::	bit	m$8913+22,@-15(r2)
	add	!156364(r3),@#ext467-15
lp4389:	negf	@-37.(r3)

	mov	"eY(r5),@m$1930+24.(r5)
	mul	@#164546,r0
	bge	2b
	bitb	r0,ent2113+40
	rorb	-75.(r4)
5:	bisb	@-73(sp),@#"Zf
	jsr	r3,@(r1)+
	bge	bf4137
tb3370:	movf	@tb2262-ent3750(r2),fr0
	cmp	-75.(r1),@(r2)+
V5091	= L8411+3
	.ascii	<orc68k$ha>
	.even
	negf	@r1
sub1959:	lp6657:	bisb	-10,-99.(r0)

	bcc	4f
	bit	'2(r1),@(r0)
	bitb	@#bf5953+24,@-(r3)
	subf	@-227,fr2

	sez
	.data
	.ascii	<\su6v\0=41Xd$r\r{+rBw.j](p`/lv6>
	.word	.
	.word	x_4573,'$,K3937
	.byte	'9, L8091, 'b, '+, 376
	.word	.	; the end
	.word	.
	.ascii	<,e9x2Z\t>
	.ascii	<@j%l**|"Zp$#z[e`ht22@a|1i9b\nq>
	<\poZ8y[q`2\0>
5:	.even
	.word	.
	.word	.+72,L5258,.+38.,[lib2809+K6992]*2
N_4961	= K3937\<5	; the end
	.word	.
L5048:	.byte	160, 122, 56, 322
	.even
4:	.word	.+154,-101.,48442.,lp6192-tb3370
	.word	m$2101,bf8663,24715,141614	; loop: again
	.word	[ent4205+K6992]*2,[m$8913+OFF2436]*2
m$9731:	.byte	43.	; a,b,c
	.word	.
	.even
	.byte	'9, SZ5227, bf8569, SZ3707\<2, '0, 301
x_5302:	L4786::	.byte	V8121\<3, 52, 263, 361, -45
	.ascii	<Yb}5\q2=?i19~62+k>
	.byte	tb5126-11	; loop: again
	.ascii	<5$>
	.word	155471,ent7647,174536,tb4477
	.word	.
	.word	OFF2436
8:	.even
	.word	lib67+0.
N_665	= ent3648+18.
x_1174:	.word	"fe,44940.,m$9731+3
	.word	70351,117060,x_1569-ent3648,lp5514
	.ascii	<:(\>oZ@+}%13m\0"g5\e_!96/nfz\eu(>
	.word	-126,m$1825+4
	.ascii	<:#?_~o#\qZc({h@;,3#>
	.ascii	<%,>
	!46430
	.byte	354, -220
	.ascii	<'#n\tZz+d#-\s2\rBw1\tcw\q4q(b>
	.word	OFF4914
	.word	[tb3677+SZ1597]*2,!20770	; a,b,c
	.word	tb7830-3.,K3937\<2,V8121
	.byte	-23
	.byte	35, -11, 91., 36.
	.word	x_8037-7,[lp8440+SZ3707]*2,-222
	.ascii	</,63~m3^m:ylBz3-e>
L6398:	.ascii	<$#/mda4lYB{"\p[m~\em h>
	.word	ent7647,-145,m$9040-4,tb5643,sub8524+37
	.word	V8121\<5,SZ3707,m$9015,m$7642-sub1384,63734
	.ascii	<|b4^+br&|i!,*\sl\>!/Cgw>
	.even
	.text
	bit	@-(r1),@#OFF4914
	nop
ent7647:	negf	fr2
	blt	lp527
	bcc	0b
	stfps	fr5	; the end
x_8142:	L8411:	sys	29.
	cmpb	@-(r0),47571(r2)
7:	bic	@r5,(r2)+

	.ascii	<c^1*Y"Z4=x>
	rts	r0
	blo	lp6192
	mov	(r5),@K6992\<2
sub245:
	bhis	5f
	bicb	(sp),@#tb9476
	bitb	-54(r2),r0
	movof	fr0,fr4
	bisb	[ext4508+K3937]*2,(r4)+

	bpl	ext8088
	comb	@r1
	movof	fr3,fr4
	.word	25308.	; the end
	movf	fr0,'x(r1)
	clrb	@r4
	ldfps	fr1
	jsr	r0,@[lp583+V8121]*2
7:	sbcb	@bf4137-6.(r2)
	bgt	L8091
	blos	1f
	bgt	7f
	add	@(sp),@-101(sp)
	blo	.+26
	mov	r0,sub3889-1.(r1)	; a,b,c
	comb	@'Z(r1)
	sys	303
	cmpb	@-116(sp),!166020
	bis	@(r5),44655.(r4)
	bis	@sp,@(r0)+	; mov r0,r1 here
L4941:	bcc	L5048

	emt	257
	xor	r5,@#bf1660-counterl	; the end
	bicb	@(r3),@#sys_2328
3:	.ascii	<d4\08e@tAB+1XX(x6xdok5u`frt5c>
	blo	tb1862
	jsr	r2,-(r5)	; a,b,c
	.word	eightchr-lp4389

	cmp	#19383.,(r4)	; a,b,c
ent3948:	ldfps	fr2
	bpl	7b
	trap	221
	mark	40.
m$4345:	.word	tb3370+18.
	mov	r1,@-(r1)	; @#x (r)+
	blo	m$4228
	bis	@#sys_1965,SZ5227(sp)
	beq	ext393
bf6116:	mov	(sp),@ext6209(r0)
	add	133313,(r2)+
x_1442::	divf	fr0,fr3
m$2866:	bit	@-(r1),@-53(r0)
	xor	r2,@-(r0)	; mov r0,r1 here
	bicb	@r0,@-(r4)
N_1269	= 62
	swab	@#.+58.
K831	= sub3889+4
	bge	lp527	; a,b,c
	bic	@(r0+3),(r4)
	sec	; <odd> text
	jsr	sp,@-105(r1)
lp583:	rolb	bf1512(r4)
bf9832:	4:	cmpb	(r0)+,(r5)
	bge	9b
	stfps	fr1

m$8583:	0:	mfps	@r1
	mark	166
	cmp	@16953.,L2987+36(r4)
lp5514:	movb	@x_8037(r5),@-105(r3)
	cmpf	fr3,sys_5520(r2)
	bicb	(r4)+,[m$6327+SZ3707]*2
	bis	m$6614-m$4345(r3),r4
	neg	r2
	clrb	@#N_2997
	bis	@m$6614-tb2262,@r4
	mov	@x_1442-lp6657(r2),@23633(r4)
	bit	-(r0),(r0)
	clr	@(r2)
	emt	79.
	aslb	@-34(r4)	; <odd> text
x_9762:	bisb	-(r2),@r3
	bis	@.+156(r2),[bf841+SZ1597]*2
	halt
	swab	@-(r2)

8:	setd
	bit	@(r4),@r5	; mov r0,r1 here
	bec	9b
ent3169:	sec
sub8524:	clrf	r4	; loop: again
	beq	3b
sub9824:	8:	xor	r0,@(r0)+	; mov r0,r1 here
	movfi	fr2,r5	; the end
	clc
	blt	bf3486
	bic	(r2)+,@-37.(sp)
m$1552:	bge	lib8467	; mov r0,r1 here
	blos	6b
	cln
bf3486:	tstb	@!101640(r5)
	movb	r4,@4636
L8091::	m$9040:	absf	(sp)
	bne	.+0
	sys	275
	jsr	r5,-(r3)
sub3889:	.word	lib8467
5:	cmp	@#!9261.,bf6116+24(r0)
	movie	fr0,-73(r3)
	.data
	.ascii	<*}t*w\e9:b:)\pZ9ja1]C>
	.ascii	<v:Y\e.zbqf>
	.ascii	<j^?Z6\qev?'zr?&Bh}>
ent4899::	.word	bf108+25,!7541.,sys_1965-12
	.word	!106156,OFF4914\<2,SZ1597\<5,m$1622
	.word	x_2303+30,"df,SZ3707,lib5513+33.
	.word	!12102	; mov r0,r1 here
	.word	tb2721,sub8795,.+162,ent3169,x_8142-x_9762
	.word	.+102.,tb5865-15.,"Yb,lib2809
	.ascii	<8gX,Cb6Ys@>
	.word	ext6395,V8121,lib8467,"da
OFF9765	= [SZ3707+K1203]*3	; the end
	<yk,s{2c\ew_3xg\re8zf\0b&;*;Z>
tb1862:	.ascii	<~,nv0nj=[47:w6rwr-:\r]s\py>
m$8223:	.byte	-82, 79., -27	; a,b,c
	lib5513+31.
	<\eaYo\0{tu*-X\\a%,\\`89~0.&dw\t4`t>
	.byte	117152, tb5865
SZ5382	= ent7647-m$1552
	tb9476+25
	.ascii	<\e_#;x%Zx4Cp~:a/_b\rtu>
	.byte	'Z, x_1735-1., 224.
ent4217:	.byte	350, 174, 'Z, 'Y, 110, 'c
	.ascii	<n`\0>
	.byte	K6992\<2, 36.
	<_g2j[uc/q*/[\r"Xa9\>:\qm`/k1}ps>
	bf3304
	.byte	-57, 'a, 150, 316, 132, 16568., 248., '9
	.byte	314, 'a
	.byte	'a, 117, 97., 226, .+72.
	.word	'x,sys_2078+39.,'0
	.byte	354, 155, '+, 'X, 237., L8274, 1
	r3
N_5692	= 'c
	.word	L9321,-187.,'#,[lib5226+K3937]*2,m$7642
x_8037:
	.even
	.word	N_2997\<5,OFF4914,ent6128+6,sub8524,lp4389
	.byte	253, lib7301, '+, '+, 204	; @#x (r)+
	.word	.

tb2152::	r0
	.word	SZ1597,ext467-3,L5048+7
	.word	.
	.bss
	.data
	.word	[sub7874+V8121]*2,ent1291-17.
	.word	bf3304
	.ascii	<XZar2$_Z09)\r\\>
N_526	= ent3750+3
	.byte	'Z, 83., 157
	.even
	.word	.
	<[$\t>	; <odd> text
	SZ1408\<3
	.word	[ext6395+SZ5227]*2,-274,x_4003-14.
	.word	sys_2579+4,lib2757,K1203	; the end

	.word	"fX
	.even
	.word	sys_2579,SZ1597\<1,[m$3277+V8121]*2,.+26.
m$451:	OFF4914
	.word	m$6855,154652
	.word	126515,.+154,bf4947-6,m$1552
7:	.word	bf9298,SZ1408,bf4947,"ae
	.word	lib7301+14,L6048,-13,127010,SZ3707\<6	; @#x (r)+
	.word	sub517,L1377,[sys_2579+OFF4914]*2,45332
	.word	x_2303,63829.,SZ5227,sub8524-eightchr
OFF9047	= K3937-K3937	; mov r0,r1 here
	<51wx_}w{\r9'yp\t *Yu3\e*6!*>
	.word	K1203,ext5260
tb5589:	.byte	-51, 15, [L2161+OFF2436]*2, 26211
	.byte	'+, m$6855-22, -81, 164, ent3169+32, 167
	.byte	26, 360, lib2757+25., 'Y, 214.
	.word	lp4412,156611,bf7435,tb542+34
	-63
	.byte	'Z, 76, ent6128+7, 144, 140, "Zf, -171
	.ascii	<wl!v55&2ccbtY>
	.word	K1203,V8121\<5
	.ascii	<.d03\0)9\ss<\q9c!d]52&>
	.byte	sys_2947, -68

	.word	10665,sub245-tb404,L2964+20,sys_2579+12,sub7874-bf3486
tb5865:	.word	77344,L6048-10
	.byte	'+, 'Y, 326, 370, 'c, 157.
	76130
x_2303:	.ascii	<& ZY-:v>
	.word	!10230,sub3987,"aY,L9321-11
	.ascii	<h#:A/_o%'>	; <odd> text
	.byte	m$9040-sub7874, !64914., -38, 107, 162, sub8524, 204, 'b
	<\r-81_$adzv>
	.ascii	<jvlh4j6'3\exmZd9%0Az;{*bq\t?\t\r>	; mov r0,r1 here

	.even
	.text
	absf	fr0
4:	als	-(r4),r1
	mov	(r3)+,(r1)+
	bvs	7b
m$1353:	swab	L4941-lp2521(r0)
	xor	r3,"aa(r3)
	bcc	0b
	bisb	-(sp),(r2)	; @#x (r)+
bf9298:	jsr	sp,@(sp)+
	movb	r4,@r3
	bisb	@.+74.,(r0)+
	jsr	sp,@sp
sub8795:	bitb	-(r3),(r1)
	mov	r5,@-(sp)
	sbcb	@-(r3)
	. = .+12
	div	r3,r4
	com	r0
lp5884:	decb	-95.(r4)
	rts	sp
	alsc	@(r2),r2
L1377:
	jsr	r5,@-(r5)
	aslb	r2
	bge	1f
	rti
m$6855:	bf9176:
K6103	= r4+0	; mov r0,r1 here
	tst	"Ya(r5)
	bcs	x_6055
	mov	r5,@r5
	bec	m$1552
tb3303:	xor	r0,@-(r4)
sub517:	lp4412:	bhi	m$8583
	jsr	r2,@#ent6128-lp2521
3:	bis	OFF2436(r5),r0
	absf	fr0
	bit	(r0),@(r4)
	ash	-(r0),r4
	ashc	#sub1959-ent3169,r2
	bic	@#.+30,@ext8447+30(r0)
	bisb	@115211,@(sp)+

	tstf	fr2
	cfcc
SZ2671	= bf4947+7
	bisb	173131,@9528.
	.bss
	.blkw	N_1269+1.
	.blkw	27.
	.even
	. = .+15
	.blkw	34
sub1282:	L8466:	.even
	.even
	.blkw	[N_2997+3]/2
bf9307:	bf108:	.blkw	3
V8403	= ent3750-lp583
	.blkw	[SZ1597+3]/2
	.blkw	[OFF2436+3]/2
	.blkw	SZ1597+4
lp6495:	bf4947:	.blkw	[K1203+3]/2
	.blkw	[N_2997+3]/2
x_1735:	.blkw	1
	.blkw	N_1269+4
tb6979:	.blkw	[SZ3707+3]/2
	.even
	.blkw	OFF4914+3
	.blkw	11
	.blkw	[V8121+3]/2	; <odd> text
m$5743:	3:	.even
	.even
	.blkw	23
	.blkw	13
L2563:	.blkw	V8121+4
	.text
	movb	#ext393-9.,@#[lib8467+OFF2436]*2
L2161:	dec	(r3)
	bitb	@-(r3),m$8228+5.(r0)
	sub	r4,r4	; <odd> text
L6048:	sob	r4,L5258
	clz	; the end
	mulf	fr0,@-(r5)	; <odd> text
	bmi	1b
3:	sxt	@#15384.
	ashc	(r5)+,r2
OFF8321	== 151076
	add	@sys_5520-5(r5),@r3
	aslb	@#m$8228+16.
	ldfps	@[ext8447+SZ1408]*2
V3227	== 172236	; @#x (r)+
	ror	sp	; @#x (r)+
tb542:	x_7184:	bne	6f
	xor	r3,@(r2)	; the end
	bvc	0f
	add	-105(r4),@(r5)
	movb	(sp),lp4389-bf1660
	dvd	@#bf8548,r0
	bic	@#lib5226-12.,@-11(r1)
sub5004:	tstb	(r2)+
	bpl	x_6055
	mtps	'x
	bitb	#bf6189,@(r3)+
	com	@22691.
	movei	fr1,(r5)
2:	. = .+2
	absf	-26.(r0)
	.ascii	<x:BovB\pjX"3cY/*-eq?.epu/a`7>
	.even
	subf	fr2,fr5
K9375	= tb2800+m$1825
	sys	206
7:	rts	r4	; the end
	absf	fr2
	bitb	@(r0)+,@r1
	sob	r4,4f
	sbc	@(sp)	; mov r0,r1 here
	sub	r5,(r5)+
	sxt	2474(r4)
	bisb	#bf1512+14,-(r2)	; mov r0,r1 here
	bmi	bf6189
	xor	r3,@(r3)
	asl	@-(r4)
	dvd	@(r3)+,r0
	add	@"fd(r4),@!46080.
	mov	r0,@(r3)
	clrf	x_4746
	clv	; @#x (r)+
	adc	-117(r2)
	cmp	-88.(r1),@-(r2)
	mtps	(sp)
	bgt	tb1056
V3826	= m$6614-sub4042
3:	mov	r2,(r0)
	tstb	"ae
	bgt	x_4746
	clv
	clrb	@.+134
	bis	@(r0),@-(r3)
	rts	sp
	bpt
ent8762:	add	-(r3),12400.
m$3310:	sob	r3,5b
	bitb	r0,@N_8304
	cmp	(r0),r1
	mov	r0,@-142(r1)
	movfo	fr1,@r3
bf7435:	bic	#.+112,@-(r2)
	ash	'#(r4),r4
lp4874:	ble	5f
	seti	; <odd> text
	xor	r1,r1
	subf	-(r2),fr3	; loop: again
	mov	@-(sp),(r4)	; the end
	movb	L8091-tb2262,54441.
	bes	ent6723
x_7052::	tst	@-4(r3)	; loop: again
	mul	(r5)+,r0
	movif	fr3,fr2
	bicb	@113376,@N_1269(sp)
	.word	sub2903	; check 1f and 2b
m$8228:	.ascii	<m2'\nt18of).7, ]iov>
	blt	2b
1:	. = .+14.
	trap	ext8447+12.
	rorb	@(r2)+
	asr	@113310(r3)
	movei	fr1,@(r1)
	bvs	counterl
	blo	ext393	; mov r0,r1 here
x_2457:	0:	mov	sp,(r0)+
bf8548:	sub	@(r2),(r0)
	bcs	8f
	rtt
	bpl	0b
	bpl	tb2262
	bicb	(r2),@-121(r4)
	bgt	7b
5:	emt	-61
	bne	ent6128
	.bss

bf2697:	.blkw	[OFF4914+3]/2
x_1943:	.even
x_6055::	.blkw	OFF2436+2
	.blkw	OFF2436+3
	.blkw	[K6992+3]/2
	.blkw	6
	.blkw	7
	.blkw	22
m$5119:	.blkw	SZ1408+4.
	.blkw	40
	.blkw	35	; @#x (r)+
	. = .+11.
	.blkw	[K3937+3]/2	; check 1f and 2b
	. = .+13.
	. = .+16
	.blkw	29.
	. = .+27
	.blkw	[SZ5227+3]/2
	.blkw	43
	.blkw	36	; mov r0,r1 here
	. = .+27.
	.blkw	24

	.blkw	SZ3707+2
	.blkw	K1203+0

	. = .+1
	.blkw	[SZ1408+3]/2
	.blkw	4.
OFF4354	= r3+1
	.blkw	22	; loop: again
	.blkw	12.


m$9750:	.blkw	[SZ1597+3]/2
8:	.blkw	SZ5227+3.
K5597	= r3+0
	. = .+7.
	.blkw	[OFF2436+3]/2
	.even
	.even
V1123	= m$5743+x_5302
	.blkw	K3937+0	; @#x (r)+
	.blkw	K3937+3	; <odd> text
L6652:	.blkw	[OFF4914+3]/2	; <odd> text

	.blkw	24
bf3930:	.blkw	[N_2997+3]/2
x_4746:	. = .+11.
	.even
	. = .+0.
bf1739:	.blkw	K1203+2
L4114:	x_7561::	.blkw	28.	; @#x (r)+
	.blkw	25
tb1056:	.blkw	[OFF2436+3]/2
	.blkw	21
	.even
lp8875:	.blkw	[SZ3707+3]/2
	.even
	. = .+10
	.even
	.blkw	N_1269+2
	. = .+27
	.blkw	24	; check 1f and 2b
	.blkw	45	; a,b,c
	.blkw	37

	.even
	.blkw	[K6992+3]/2
OFF6398	= 72
	.even
	.blkw	SZ1408+3
	.blkw	OFF4914+2.	; check 1f and 2b
	.blkw	17
tb4706:	.blkw	37
	.blkw	15.
	.blkw	0
	.blkw	12.
	. = .+11
ent6723:	.blkw	OFF2436+2
	.even
	.blkw	OFF2436+2
	.blkw	[OFF2436+3]/2
	.blkw	K6992+0.
	. = .+21
	. = .+15.
	.blkw	OFF9047+2
	.blkw	10
ent8109:	.blkw	36.
	.blkw	44
	.blkw	10
m$8655:	tb5845::	.blkw	SZ1597+1
	. = .+5
	.blkw	47	; <odd> text
SZ4467	== 160722
	.even
	.blkw	[V8121+3]/2
	.even
sub7112:	.blkw	N_2997+2.
	.blkw	25
	.even
	. = .+14
	.blkw	4	; check 1f and 2b
	.blkw	[SZ1597+3]/2
	.blkw	[N_1269+3]/2
	.blkw	OFF4914+4.

sub2632:	.blkw	22
L3134:	.blkw	[SZ3707+3]/2
	. = .+26
	.data
bf6189:	.word	'%,26460.,bf8569,m$8583,SZ1597
	.ascii	<nqY>
sub2903:	L5119:	.word	!102033,L7180
	.word	[bf4316+K3937]*2
	lp583-lp5884
	.ascii	<(9u4\03Ze*X>
	.word	-117,167162,77045
	.word	14463,174172,41569.
	.byte	113, -102, '+, SZ3707\<3, 'a, 147, -54
	.byte	257, -98, 353, lib1001
	.word	-153
	.byte	'+, 246, 162
	.byte	8.
	.word	.
L5211::	.ascii	<4~+*g4\rn>	; <odd> text
	.even
	.word	lp7322,sub9770+12.
	.word	sub7965,lp6495,11862.,'c,sub3889
	.word	-250,sub245,eightchr,36753,sys_442
	.word	x_2457+33	; <odd> text
	.word	.
	.word	.

	.even
	[lp5193+N_2997]*2
x_7297:	1:	.even
	-14
K5459	= SZ5227-V8121
	.byte	lib3895-1, 326, -112, 'Z, 337, sub1959, 217
5:	.ascii	<0#xp\\("s%=o.X\s?ZX2&r{m>
	.word	m$9731,ext6811-13,sys_2579+39.,counterl
	.word	'2,[sys_7806+OFF2436]*2,x_8142-17.,ent7496-bf8548,V8121\<5	; @#x (r)+
lp9119:	.word	m$451+30
tb740:	m$2866-lp5514
	.ascii	<iC#+oir*>
x_5732:	<6\p'Xq ,~Ad>
	.byte	172, 257, 34
	<\0w:%+_i,n8]&okY_2>
	.word	K1203,N_1269,bf9832-bf9176,L8131-13
	.even
	.byte	70, 108., '$, 50
	.word	m$1353,sub3426+23,bf3278
	.word	[ent7496+OFF9047]*2,.+6.,ext3030,tb5145
	.word	.
x_2023:	.word	x_2457-lp583,[L8466+K1203]*2
	.even
	.word	.
	.ascii	<a6CuB-?:\pl"o482"<\r&tr8$lz'\t>
	.word	.
tb6081:	133254
	.ascii	<\q/\\s0l4Z_n>

	.word	'#
ent6743:	lib4494
	[tb740+N_1269]*2
	<_:(3j\t!8<>
sub9642:	.byte	362
	.text
	bvs	7f
	subf	fr0,N_2997
	emt	[sub1384+OFF6398]*2
	asrb	@-(r0)
	cmpf	@-261,fr3
	movb	@(sp)+,@-(r3)
	sub	@r5,-125(r5)	; check 1f and 2b
	bit	r5,-(r2)
	cmp	(r3),sp
	jsr	r2,bf9919-16
tb72:	lp5193:	mark	63.
	aslb	(r5)
	blo	3f
	mov	r3,@!146666(r4)
1:	bisb	-(r5),@!40727	; loop: again
	com	53221

	dec	@(r2)
V4782	= bf9176-ent8762
	asrb	-73(r5)
	bic	@(r1),-125(r0)
L8131:	bec	ent3750
	absf	-(r4)
	ashc	@(r2)+,r2
8:	blt	5b
	rts	r0
	bpl	x_8348
6:	movb	#OFF4914\<3,[bf7232+OFF9047]*2(r0)
	cmp	(r1),-7.(r2)	; mov r0,r1 here
	jsr	sp,(r2)
	mfps	@#x_2457-11	; loop: again
	bic	(r4),@-(r5)	; check 1f and 2b
	.data
	.word	-110,lib2757+15
	.byte	-41
	.even
	.word	45746,m$5777,ext3030+40,!43144
	.word	bf4938+32.,sub7965
	.even

sub6159:	.word	.
	.even
m$5777:	.word	135032,141416
sub7547:	.word	.	; @#x (r)+
bf7232:	sub5124:	< {*3n\\mA{y-:6^*c}qf7'%9>
	.byte	226
ent9887:	lp1233:	<dh`#q\\4t.*yg\r\\+svC2zn|>
	.ascii	<$?wu fCb>
	.word	sys_1965-15
	.even
	.word	ext6209
	.word	ent3672-x_5826,20623,L6398-23,[lp8440+OFF2436]*2
	.byte	-73, 65
	.word	"be,OFF2436\<7,SZ1597\<5,16423.
	.word	.
	.word	ext6811+31.,lib1001,[sys_2947+V8121]*2
1:	.ascii	<g%yi|B0f$!vd[ *2A|~2>
	.word	.
	.even
9:
	.word	52005
	.word	.

	.bss
lp1730:	.blkw	[V8121+3]/2
	.even
	. = .+11
	.blkw	16
	.blkw	K6992+0
bf3278:	.even
	.blkw	22
	. = .+27

	.blkw	V8121+1
	.even
	.blkw	K1203+0
sub7467:	.blkw	[OFF4914+3]/2
	.blkw	7.
	.even
	.blkw	[OFF2436+3]/2
	.blkw	OFF6398+2.
	.blkw	26.
	. = .+3
x_8348:
	.blkw	1
5:	.blkw	V8121+4.
	.blkw	11.
lp2844:	.blkw	[OFF4914+3]/2	; a,b,c
bf2008:	.blkw	OFF2436+1.
	.data

	r4
	.ascii	<[1&B7&0gs7}yffZB\s+\t`[$X*9->
	.word	lp5514,lib2757-6.,SZ1408\<0
x_8044:	<z (|+[m=:4#^\e\e!>
	.word	sub245+41,sys_442,122770,x_7297	; @#x (r)+
	sub7874-tb3303
4:	.byte	8., 26, 'b, 204, 'Z, 132., .+30.
	ent5174-1
	.even
x_6076:	.byte	257, 'a, bf3486+37, -34
	<YZ6&r,sB\e{C(j!9\s:^t\q2o#!>
	.word	.
	<Y\q"o:Zr9?_@Xf,1}@C#s(h*:f>
	.word	[x_4003+N_1269]*2,bf4938
tb5387:	<j6mZ8tkv8X jsB>
x_2870::	.byte	171335, 234, 35, 'c, 'b
	.byte	V8121, 12., 212
	.word	.
sub3426:	.even
	.word	176321,.+66
sub7965:	.ascii	<9Z|A&#.bi4ap\n>
	.text
	mul	@(r3),r2	; loop: again
	jsr	r2,@-71(r2)
3:	mov	r0,@-(r5)	; the end
	cmp	#tb6109,(r0)

bf9919:	rolb	@-21.(r0)
	bit	-(r2),@bf8548
	.ascii	<<8j!,{e,6nywtgoa^p/;at_>
	.even
3:	add	(r4)+,-(r4)
	dvd	31700,r2	; the end
	com	-72(r4)
	com	-29.(r2)
lp5184:	lp2966:	mfps	@lib8467-15.
1:	mov	r5,@34716(r5)
	jsr	r5,r5
	blt	tb404
	mark	166
x_5299:	divf	fr0,fr5	; check 1f and 2b
8:	.word	tb740
	jsr	r2,(r2)
	jsr	r5,@#571.
OFF865	= m$8526+10	; mov r0,r1 here
4:	halt	; @#x (r)+
	-211
ent4271::	bis	@13470(r4),@(r3)
	.ascii	<p4:@>
	cmp	@-(r3),-26.(r3)
	sub	sp,-84.(r1)
	bicb	@r4,@(r1)
	mov	r3,@#.+108.

	mov	@-104(r5),@-71(r2)
	alsc	@r0,r4
	jsr	r1,-99.(sp)
	K1203
SZ3679	= m$8526+3
	bhi	sub3012
x_8227:	0:	.ascii	<r\0l5^fu`=%] %>
lp1055:	.even
m$7913:	. = .+16
	beq	9b
	addf	@#!122111,fr0
	beq	0b
	.ascii	<-\rp>
	.even
	movb	(r1)+,-(r1)	; loop: again

	bgt	9b
	bhis	7b
L1208::	2:	mul	@x_3733-16,r1
	adc	@-71.(r0)
	sob	r2,2f	; check 1f and 2b
	sob	r0,L15
m$7991:	clrf	@r3
	sez	; loop: again
6:	beq	ext393
lp1516:	sev
	xor	r5,@ent6345+3
	stfps	@3664
	movf	fr2,@(r4)+

	asl	@-(r3)
	cln
	sbcb	-22(r4)	; loop: again

	jsr	r4,(r0)+
0:	movif	fr2,fr3
	bit	-(r2),r0	; a,b,c
	subf	(r0)+,fr0	; loop: again
	xor	r3,sp
	xor	r4,-112(sp)
	cmpb	@(r4)+,-100(r0)
	movof	fr0,fr1	; the end
	.data
	"aZ
x_2413:	.byte	121047, sys_5520
OFF762	= '9
	.ascii	<z&`>
	.word	SZ1597,bf3930,lib5226,7292.,tb2809-23
0:	.byte	'Z
	.word	"bb

	.word	OFF6398\<4,OFF2436\<3,ent6345,m$5119+20
	.byte	lib3895, 216., 'Z, 312, 210, -128.
	.word	SZ1597,sub4776,75407,'#,L6652
2:	.ascii	<\s_fh^=Zf~BY>


	.word	tb2012,.+26,SZ3707\<2,.+36.,N_2997\<2
	.word	L8131+30,L6048-sub9824,'y
	.word	102635,tb1056,K3937
	[L8131+K6992]*2
	.word	.
	.word	153024	; the end
	.word	tb5643-14.,ent2521,L2987
	.word	SZ1408,166626,x_3733,'1,-166
ent3297:	</1\e.y<X4ngn\s^jlo>
	.word	'a,"Xd,!44320,[sys_2328+N_1269]*2,'#
	.ascii	<3}a`d6>
	.word	.
	.ascii	<?''}@;>
x_948:	L7180-17
ent415:	.ascii	<h:^cm<2hto@hZ~~>	; the end
	.byte	K6992, 231, 122, 'Y, '0, !3705, '9
	.ascii	<=^6X8@`21Yiid|{d5-n>
	.ascii	<]t<:\>;\rge@$p^Y\r>
	.ascii	<0zc8m9m<h/\qv_\pf\\ZY>
	ext6209
	.ascii	<q:z [Z,/\>)`}q7!8|Z|_>
sub718:	.word	m$8135,m$7642,m$4605,171665
	.word	sys_2947,!67521,bf1660-L1377,SZ5227
	.word	[tb22+OFF6398]*2
	.word	tb8374+35.,20658.
	.word	-120.
	.word	L8448	; mov r0,r1 here
	.even
	.byte	347, m$9782, 256	; mov r0,r1 here
	.byte	'0, -71, 30.	; a,b,c
	.byte	45345., 13
K5539	= eightchr+15.
	.word	.	; mov r0,r1 here
tb2809:	m$8135:
	.byte	52, 67., 12, -72, 131
	.word	.
	.ascii	<Y4,~\e#!0@8j~[6Ah\r2mzCkZoAf{r>	; the end
7:	.ascii	<\0-\0to&+\si`3\t!g:;\r-7%-Xot5>
	.word	.
tb6109:	.word	lib5513	; check 1f and 2b
	.word	m$8051-6.,bf8548-x_2457,"aX
	.byte	'Y, 57, 141.
	<,mX>
	.word	.+28.,55723
	.word	ext6395,L3134-4,[lib5513+K6992]*2
	.word	SZ1597,77731,106165,[tb2012+SZ1408]*2,'2
	.word	.
	.word	[L8448+OFF4914]*2,-150
	.word	!174551,OFF6398,SZ1408\<7,tb5845
	.word	lp5193,L1208,'2
	.ascii	<>
	.word	N_1269,K6992\<3,tb5589+26,!23412
m$8057:	.ascii	<f&X4{\e}:\nzd"\>>
	.word	.
	.word	bf8569,OFF2436
	.bss
	.blkw	26
	.blkw	[K6992+3]/2
	.blkw	4
	.blkw	0.	; mov r0,r1 here
	.blkw	N_2997+1.
	.blkw	33
	.even
	.blkw	[OFF9047+3]/2
	.blkw	36
	.blkw	[OFF6398+3]/2

	. = .+32
	.blkw	[SZ1597+3]/2
tb5336:	.blkw	[OFF2436+3]/2
	.blkw	37
	.blkw	21
1:	.blkw	OFF2436+1
	.blkw	23.	; @#x (r)+
	. = .+20
1:	.blkw	31.
	.blkw	[N_1269+3]/2
	.even
	.blkw	40
	.blkw	28.
ent2521:	. = .+20
m$4207:
	.blkw	28.
	.data
	.byte	106, 321, counterl-ent6128, L9095, '0, 375
	.word	.
	.byte	240, 195., 320, 325, '2, 207., '+
	.word	m$5119,!116517
	.byte	'a, 'a, 'Z
L15:	8:	.ascii	<8Zr\r2ky[1?X;,9(\n@w{m}r'B>
	bf8148
	<u5,m?i\>\s<0f\t\\B+1%b\0C\s$p{\pl5>	; the end
	m$8057
	.word	.
	.word	65161,ent6723,'0,sub245
9:	ext7687	; loop: again
	.word	ent6128-tb404
	sub7547+30
sub4776:	<()$m,e)qvpua"]x(qjXr\\>
	.word	11763
	.byte	98., 267, N_2997\<6, 'Z
	.even
tb22:	.byte	ext3030, 55, bf9919, 307, '+, 217, 135020
	.ascii	<z\p;ec]`!t">
m$8526:	.ascii	<':\e<sAj@[[^\e>
	.word	-54.,m$3629-17.,7617	; @#x (r)+
	.word	!153671,tb4477,10377
L7762::	.byte	1271, 142, '0, 16
	.even
	SZ1408\<0
	.word	L8131-bf9176,OFF4914\<0,OFF2436
	.word	.
	.word	tb4177,42334,165354,N_1269
	.byte	229., 73, 13, 31.
	.even
	.word	OFF9047\<2,N_1269\<2,tb6920,K6992
	.byte	243, -39, ext6811-15
sub3159:	.word	.
	.word	.
	.word	163537
	.word	-13,sys_8287

9:	<#'?A\t"Zo_`\>-\rw2epf0a>
	m$1930-22
m$4274:	.even
	.byte	1703, 32, -104, 163., 160, 4

ent9478:	.word	ent7698,tb5336+10,162237

	.word	.	; check 1f and 2b
bf8148:	.word	[lib3895+K6992]*2,SZ1408\<4,lp1788-16.
	<io"b?uu}{~{C_\q:p?s~7#"l->
	.byte	'Z, 'Y, x_3733, 97., 172., tb3303-11.
	.byte	'Z, 301
	.byte	sub4042-x_7052
	.byte	133, 12, 101., bf6189, '0, 'a, ent8762-14., sys_2078-18.
	sub2969
	.ascii	<#ib,rk#\qo`3>	; @#x (r)+
	'y
	.even
	.byte	37.
	.ascii	<\r`<"tv}>
	.word	ent7698+40,"Yf
	.ascii	<060y]${:!){f%s6&n\p9xy>
	.word	"ae,20336,x_156,lp4874-L8091,m$5516-4
	.word	K6992,36153
	.word	-37
sub3012:	.ascii	<=jyZ~;{ :f-f@C;#p~<.}_>
	.byte	-37, SZ3707
	.word	m$8469,sys_2554-16.,lib5226	; loop: again
SZ7539	= .+0.
	.word	ent7698,tb5361-11,3862.,"cX
	.word	.
3:	<~]_C:6\p>
	SZ3707\<4
	.ascii	<g_0[#c8}~?okCvp\>\pb>
tb2012:	.word	tb949-15,sys_2579-1.,24661,70537
	.byte	33, 'Z, L3997	; check 1f and 2b
	.byte	19., -108, 254, 375, 231
	.byte	236, "YZ, 85., m$4345, x_9031, 347, 'X, 52
	.word	.

	.byte	154, -33, 253, SZ1408\<3, x_156, 'Y
x_3733:	x_2821:	.ascii	<@+:~r}8: --e11\e)\0},d>
	.word	bf4474+21
	.byte	73, 301, '9, K1203, -122, lib1001, 377, '+	; the end
	.byte	'c, 135	; the end
	<*07rf^u>
	.word	K6992\<5,"aa,SZ3707\<5
	.byte	tb4177, 327, '9, 64.
	m$9782
9:
	.byte	[tb2262+OFF9047]*2, 336, x_9762-m$6855
	L2563
	.byte	156, 'c, 241, 'c, 30., 60916.
	m$775+46
	<<\09,=^'&\p7 }e[o|>
3:	.word	tb3677
	.word	tb6979,OFF6398\<7,'1
	.word	.

	.word	lib2809,'a,sys_1965+23.	; check 1f and 2b
	.byte	bf3278-2., 143, 350, 377, 240., SZ1597
	.word	m$5516,m$2860+1,.+156
	.word	ent5174-1,ext4508+42,lp1788,bf6116	; mov r0,r1 here

V2774	= ent2895+0
	.even
	.word	-37,'b,[m$5516+K1203]*2,x_1569,-53.
tb6493:	.word	m$9750+3,ent5556,K1203\<4,m$1552+37	; <odd> text
	.word	.
	<Z ^\rC\ttv=A\\A_8Y.s"g}>
8:	x_2457
V8954	= SZ1597&OFF4914
	.byte	ent6743, 40., 'a, m$4605-5.
	.word	.
	.word	lib3830-23,L15+26,V8121,sys_2947
	<A'\t>
	[L5446+K6992]*2
	.byte	'X
	.word	.
	.word	sub7547-11,lib2809+45	; a,b,c
	.word	.
	.byte	'b, '9, [L3997+K6992]*2, 'Z, 'Y, lp6657-ent3948, 217, 324
lp2303:	.word	!51005
	.word	K3937,42065,bf2697-22
	r5
	.ascii	<\qj|~>
m$4605:	.byte	m$8051+30, 'b, 323, 331, 'x, 21, -36, 357
	<ow>
	.word	m$775-6,OFF6398
	.word	.	; mov r0,r1 here
	<r>
	.word	7521.,m$6614,SZ5227
	<o9(B8xXp/v]pBu+p>

L3997:	.ascii	<wi)>
	.word	sys_8287,sub9862
	.ascii	<w{=~zt@yn7<a6_~@vs@k3nxqX>	; @#x (r)+
	.word	x_8037

	.word	lp1730+1,'0
x_1091:	.word	'9,tb2809,ext2159-14
	.text
3:	.word	m$2860
	cmpf	fr3,fr0
	cfcc
	rol	@L9109
0:	wait	; check 1f and 2b
x_156:	bitb	@(r3),@r4	; mov r0,r1 here
	.word	OFF4914
	cmpf	fr2,-105(sp)
	sob	r3+0,1b
	bec	3b
	bpl	ent4271
3:	divf	fr1,@167650(sp)
	clc
	decb	@(r3)
m$8051:	.word	lp4412-ent3648
L5446:	trap	121
	div	r0,r4
	52848.
tb949:	ash	@ext6209-22(r0),r0
	.ascii	<s6\q4wd0m:sn#3(wd8za^(AzZ)w>

	movfi	fr0,(r2)+
	bpl	lib2809
	bitb	@-8.(sp),r1
	movfo	fr1,@-91.(r0)	; @#x (r)+
	divf	fr1,@r4
	dec	r4
	bisb	@-65.(r2),(r3)
	.ascii	<+*px&5"i{4ib\>}2]jak$s7\\cb>
	.even
	adcb	@#ent4271
	bicb	(r3)+,@37555(r5)
	emt	327
	incb	(r5)
	movb	@[sub8551+N_2997]*2,@-74.(r0)
tb3368:	bitb	@(r1)+,x_9031(r2)
	mtps	-(r0)
	stfps	fr2
m$775:	mulf	fr0,(r3)+
	cmp	-126(sp),(r1)
tb5361:	emt	-101
tb4177:	jsr	r3,ent5174
	sen
2:	xor	r1,@-7.(r4)
m$2860:	bpl	.+20	; a,b,c
	bis	(r4)+,(r0)+	; a,b,c
	mov	#172042,lib3830-15
	sbc	@(r4)
m$5516:
ent7698:
lp1788:	bis	@(r2),@-103(r2)
bf4474::	. = .+6
	sub	@#V8954\<1,(r1)
	.bss
	.blkw	K3937+1.
	.even
	.blkw	[OFF2436+3]/2
	.blkw	32.

	.blkw	36.
	.blkw	15

	.even
	.blkw	33.

7:	. = .+34
lp2046:	.blkw	SZ1597+4
	.blkw	[K6992+3]/2
	.even
	.blkw	K6992+2
	.blkw	OFF6398+4
	.even
	.data
V8031	= tb22-sub1959
	.byte	'9, N_1269, -98, '9
	<u<peYqj3)6.Y7\p9\>4>
	.word	[L4786+SZ5227]*2,bf3930-12.,OFF9047\<2,-76	; a,b,c
	.word	.
	.ascii	<`>
	.word	ent784-19.,sys_2579
	.byte	lib5226, 243
	.byte	20, 'a
	.byte	50, 30, 352, 105164
	OFF9047
	.word	-89.,sys_2579,133470
	.byte	K3937\<5, ent4018, 22, 307, 164, 366, 201., tb6081-14
	.even
	.byte	73, 180., '+, 344, '9, 156, 187.
	20606
	sys_2078
	<|m#_<v42zj?@\s=h\0>
	.byte	V8121
sub1049:	<4^~+\n;ig!7g2;q4\t]|>	; a,b,c
	.even

ent5556:	.byte	304, 162, 25., 101., 262, 'Z
	<qb}\\YX{At=*2A+=<Ajj>
ent6984:	.word	177670,m$5776,13711,bf3278,tb6370+35
	.word	x_6055+41,[sys_5520+SZ1408]*2,SZ5227\<2
	.even
	.ascii	<r\\xz# ;5gA}73@\\>

	.byte	154, -124
m$8469::	.word	OFF4914
	.byte	ext467, ent3750+34.
	.word	.
	.word	25207.,173234,-50.,m$8583
	.word	.
	.byte	-49, 'z, 'X, 'b, "bY
	.byte	113., 215., 'X, 'c, L1377+23, 'Z, 256, 271	; @#x (r)+
	.word	103037,x_3733-15,59796.,sys_2947,lib7301-14
sub2943:	.byte	45., 243, 'a
	.ascii	<~k!-1X 69Z&4>
	.word	L6048,sub2969+43
	.word	[m$2019+SZ3707]*2,ext6811+26.,132221,'Z
	.word	sys_2554
	<>
	.even
	.ascii	<;b=/q BY\p\r%*9'zCg;}w0~}4_>
	.byte	'a, '+
	.byte	tb3061, -118, 100., '+, 176, '0
	.word	lib4494,430.
	<38q>
m$6369:	.byte	26, 35, sys_2579-8., 'Y
	.byte	200, -43, '9, 'Z, 'c, ent3297, sub3012
	[sys_2328+OFF2436]*2
	.text
	. = .+2
	bhis	sub9850
	bvs	.+20
	bcc	4f
sub2969:	ror	@tb5336
	bmi	sub5668
	mul	@r0,r0
sub9850:	bhi	7b
	bge	.+22
ent2895:	2:
	bisb	-(r1),(r2)+
	clrf	fr4
L9109:	bvs	sys_2328
	bis	bf3486-tb542(r1),@lp6317-17(r3)
	bec	7f
	bge	m$8228	; @#x (r)+
	ash	-33(r4),r0
	mov	(r2)+,@(sp)
	add	@r1,(r4)
	rorb	(r2)+	; the end
	mov	OFF4354,@(r1)
lp7026:	mulf	fr0,fr0
	movb	@(r1)+,(r0)

	bic	ext467,37512

	movb	@-27.(r3),@-(r3)
	movof	fr0,fr3
	addf	fr0,fr0
	mov	r2,@ext467+45(r2)	; a,b,c
1:	div	(r4),r0
	bne	3f
	bitb	-71(sp),-(r3)
	bvs	m$7913
	sez
	sub	(r0)+,sub5766-21
7:	bicb	sp,-(r3)
	.word	.+160
	sub	-(r0),N_2997(sp)
	bit	@-(r5),@"Xe
bf6372:	sob	r5,sub8551
	jsr	r2,@m$2866
	bgt	sub1226
	absf	@!116231(r0)
	bcs	7b
	bmi	lp1334
	bitb	'$(K5597),@#!34745.	; check 1f and 2b
	rts	r4
	mov	sp,m$8583
	bisb	-(r4),(r0)
	.word	[ent4217+SZ1597]*2
	ash	@m$5286+36,r4	; check 1f and 2b
sub5668:	movb	r1,[ent2977+K1203]*2(r5)
tb1690:	bhi	6b
	mov	@ent2398-5(r5),@'1(sp)	; the end
	tstb	@-(r2)

	sxt	@r0
	neg	@(r4)	; mov r0,r1 here
sub9862:	bcs	8b
8:	movb	@(r2)+,(OFF4354)
	bhis	.+6
	tst	@-71.(r4)
	dvd	@-(r0),r1
5:	bitb	@.+56(r5),@-17(r4)
	bitb	-44.(r4),@(sp)+
	movfo	fr0,@(r4)
sub1226:	cmpf	fr0,@-60.(r3)
	bhis	lp2303
SZ4574	= V8121-N_1269
lp1334:	ent4018:	movb	[tb3280+OFF4914]*2(r1),-(sp)
5:	sob	r2,6f
	tst	@(r5)+	; check 1f and 2b
	sub	@'x(r5),@#ext4508-13.	; check 1f and 2b
	bcs	tb7187
	.data
	.word	tb5845,lp7542,43218.,L2563-14,bf4137
2:	.word	.

	.word	45274.,60405,sys_7806-16.,-10	; <odd> text
	.word	.
2:	<\s8eApZk%>
	<!!>	; loop: again
	.byte	100., 49., 306, sys_442-15., -65
	.word	.
	.word	!50905.,'A,x_6059,tb2152
	.word	sub5766,10104,60250
tb7187:
	.word	.
	.ascii	<C+?ssjq=>
	<`}6o.?%il^,Z35;>
	.word	56431,tb228+40
	.byte	sub7874+37, 126, 'a, 60., 257, 310, 106, 125.
	.word	[tb1139+SZ5227]*2,151567,K6992,SZ1408,sub1384-ent4018
	.word	-125,'a,ext7687+40
	.even
	.word	ent2895
	.ascii	<,d*j`s98:s?s=d1\r;1`^z'\\e?>
6:	K3937
	.word	.
7:	.word	lib5226+18.,132275
	.word	174201,tb3280+14,lp2966+7.,lp1242+15,x_8227-sub9862
	<m&#.j>
	.byte	'c, x_8044-20, 114, 131, lib1001+41
	.word	60570,lp7542,tb542-L1208,bf8148,77350
lp8344:	.even
	.even
tb3110:	.byte	24., 'Z
	<8\q\t]"gc\p<^a>
	!66746	; <odd> text
	.word	-114.,lp7542,[x_1663+SZ4574]*2,35364
tb3061:	<9g>
	.word	-78.,lib3895,lp7456	; <odd> text
	<d_q'_]y?wc7}lw(8afm$>
bf1472:	.ascii	<Z\s\s6-tZ9\qbwfd<}q6>
m$2019:	.word	sub1384,x_6059+26.,.+30.,'2
	.bss
ent2977:	.blkw	V8121+2
0:	.blkw	[V8954+3]/2
	.globl	sub517
	.blkw	23.
	. = .+6
	.blkw	[K1203+3]/2	; loop: again
	. = .+4.
	.even
	.blkw	[N_2997+3]/2
	.blkw	2
	.even
	.blkw	45
	.text
	rts	r5
	jsr	r3,ext393
	mov	r0,lib2757(r3)	; check 1f and 2b
	bisb	ent2895-x_1569(r4),-(sp)
tb5948:	incb	r3
	movif	"df,fr1
lp113:	div	@(r4),r4
m$5776:	xor	r3,@-41.(r3)
	bge	sub1651
	iot
	movof	sp,fr1
3:	rol	r2
	movb	-(K6103),(r4)
	bis	(r2)+,-(r0)
	bit	@m$7231+15.,@r1
	jsr	sp,@sp
	rts	r5
	mov	@(r2),@r5
	blt	1b
lp1242:	bisb	@sys_1986,(r0)+
	movb	(r5)+,@-(r5)
	. = .+16
	bhis	x_156
	decb	tb563(r5)	; check 1f and 2b
	.bss
OFF8415	= ent2113+bf8148
	.blkw	[SZ3707+3]/2
	.blkw	0.
	.blkw	SZ5227+2.
	.blkw	OFF4914+0
	.blkw	27

	.even
	.even
7:	.blkw	13.
	.blkw	OFF9047+3
ent784:	ent5224:	.even
1:	.blkw	7
	.blkw	13

	.blkw	[K3937+3]/2
V7188	= bf3486+8.	; @#x (r)+
	.blkw	15.

	.blkw	5
L2323:	.blkw	31
	.blkw	SZ1408+1
	.blkw	6
	.blkw	43
	.blkw	SZ4574+1
	.blkw	OFF2436+1
	.blkw	[SZ4574+3]/2
	. = .+26
K8987	= tb563+4
8:	.blkw	OFF2436+2
5:	.blkw	OFF9047+2
tb6370:	.blkw	[K3937+3]/2
lp5914:	. = .+26
	.blkw	V8121+3
	.even
	.data
SZ483	= 65
N_3917	= ent2398+2
K9636	= 55.
	.even
	.ascii	<o/^mgn/>
	.word	[L8091+SZ4574]*2,'%
sub3173:	sub7547	; check 1f and 2b
	.even
	K6992
	.word	.
	.word	tb2003,m$6614+18.,ext7687,-139.
	.byte	333, 302, 32
sub5766:	.even
	.byte	43
	.word	-267,.+114.,ent4581,SZ5227
	.ascii	<v,>
	.word	x_5302
	56756
	.bss
ent4581:	. = .+11
tb228:	tb3280:	.blkw	[K1203+3]/2
OFF6588	= 0.
K3105	= m$4345+13
	.blkw	16
	.blkw	OFF2436+1
	.blkw	33
lp6317:
	.blkw	[SZ3707+3]/2
	.globl	lib1001
	.blkw	14

	. = .+0.

	.blkw	SZ483+4
	.blkw	N_1269+4.
	.blkw	13
m$5286:
	.blkw	[OFF6398+3]/2
	.blkw	K6992+1.
	.blkw	20
	.blkw	31
lp7542:	.blkw	28.
tb1327:	.blkw	10
	.blkw	OFF2436+1.
	. = .+22
OFF8728	= 1
	.blkw	OFF9047+2
	.blkw	[V8954+3]/2
	.blkw	16	; @#x (r)+
	.blkw	[OFF9047+3]/2
	. = .+5
	. = .+0.
1:	.blkw	K6992+0.
	.blkw	8.

	.blkw	OFF6588+0.
ent2398::	.blkw	[K3937+3]/2	; loop: again
	.blkw	5.
	.blkw	[K6992+3]/2
	.blkw	OFF2436+1
N_7001	== 52615
	.blkw	[SZ1597+3]/2
lp2230:	. = .+16.
	.blkw	OFF6588+1
	.blkw	[SZ483+3]/2


	.blkw	SZ4574+1
sub7538:	.even
	.text
V2871	= ent7698-sub1959
4:	. = .+12
	mfps	@-133(r4)
	.bss
	.blkw	16
	.blkw	26.

	. = .+12.
	.blkw	25
	.blkw	[OFF8728+3]/2
	.blkw	42
	.blkw	[OFF6398+3]/2
	.blkw	[SZ1597+3]/2
	.blkw	1	; a,b,c
	.blkw	14.
sub1651:	.blkw	5.
x_2960:	.even
	.blkw	26.	; a,b,c
	.blkw	10.
	.blkw	39.	; loop: again
	.blkw	[SZ1597+3]/2
	.blkw	OFF9047+4	; loop: again
	.blkw	N_1269+0
	. = .+5
	.blkw	OFF6398+3.
	.even
	.even
	.blkw	25
	.blkw	22
	.even
	. = .+15
	.blkw	[OFF6398+3]/2
	. = .+23.
	.blkw	SZ5227+1
tb1139:	.blkw	[OFF6588+3]/2
m$7444:	.even
	.blkw	28.	; a,b,c
5:	.blkw	[K6992+3]/2
	.even
	.text
	rtt
lp7456:	bit	156046(r2),-12(r4)
	bhis	x_5674
	bit	(r0)+,-168.
lp5792:	'y
	mpy	33860.(r4),r0
	bit	@-(r5),@(r1)+
m$7231:	sxt	@#lib2809
SZ3925	== 135524
	.bss
	.blkw	OFF6588+2
	.blkw	[SZ1408+3]/2
bf6058:	.blkw	6
	.blkw	OFF4914+3
	.blkw	[V8954+3]/2
	.blkw	33
	.blkw	45
9:	.blkw	10
	.blkw	[K9636+3]/2
	.blkw	27
	.blkw	12
	.blkw	0
	.blkw	41

	.even
	.blkw	12	; a,b,c
1:	.blkw	35
	.blkw	37
	.blkw	43
	.blkw	[OFF9047+3]/2	; a,b,c
bf4767:
	.blkw	[SZ1408+3]/2
	.blkw	K9636+1.	; the end
	.even
	.text
	neg	@(r3)+
K1846	= lp1242+23
	bit	r4,@-55(r1)
	bic	#-141.,@r3
	bne	4f
	adc	-(r5)
	absf	K3937	; the end
x_5674:	bic	@(r4)+,@#"dc
	176067
	bvc	L5454
	add	@(r5)+,@-146.
bf891:	3:
	rol	-27(r3)
tb563:	ashc	r5,r0
	bic	@(r3)+,V8121\<1
	comb	@(r5)
	iot
V3672	= 1	; @#x (r)+
	xor	r5,-(r0)
	add	(r3)+,-(r0)
	clc
	bes	ent3983
	mov	(r3),@-(r1)
	aslb	-47(r4)
0:	div	x_7052+17(r0),r2
	sez
tb5292:	mul	lp1300(sp),r0	; <odd> text
	asl	(r3)
	xor	r2,@(r0)
	als	@-33(r2),r2	; loop: again
	.word	K9636\<7	; loop: again
	.ascii	<2!BZ[sl0gC!\p@j\sb5o!6gc?d3>
	.even
	cmp	-76.(r4),@r4
sub367:	negf	@#-131.	; mov r0,r1 here
	movie	fr0,fr3

	sbcb	@"be
	rorb	@#sub1651	; <odd> text
tb9805:	nop	; the end
	bitb	@(r2)+,(sp)+
tb2003:
	cmpb	@-(r0),@'Z
	bicb	sp,@-(r3)
	bic	r5,(r1)+
	bcc	6b
	jsr	sp,.+156	; @#x (r)+
	bicb	@m$2866(r2),@r3
	cmpb	@(r2)+,@-12(r3)

	. = .+2
OFF7483	= '0
	nop
	bhi	lib7301
	tstf	fr3
	mov	@(r1),@(r3)
L6937:	movb	@(r0),@(sp)+
	movb	@(r2)+,r1
	bic	@(r3),@sp
x_1212:	.ascii	<.p~[B9ms8-19"#mw.9$\s]>	; @#x (r)+
	.even
	xor	r1,-127(r3)
	movb	@(r4),@-(r2)
	movb	@(r2)+,(r5)
ent3983:	add	9095.(r2),-(r0)
	asrb	@(r3)
	bis	@(sp)+,(r3)
	ent6984
	bic	@L2161-lp1055,r4
	negb	(r3)+
	cmp	@r0,@sys_8287-18.
	trap	!114447
	incb	(r2)
	swab	@(r4)+
	sxt	r4
	sbc	@(r1)+
lp9420:	bisb	@(r1)+,@-(r3)
	setf
	xor	sp,@#22277
	add	(r4)+,r4
	mulf	(r0),fr1
	mov	-61(sp),@#x_5299-lp7456
	rorb	ext467
	bis	-124(r3),@(sp)+
	jsr	sp,(sp)+
	bge	lp6657
	asrb	@ext6209+23.
	addf	fr2,fr1
	sec
	cmpf	#-46,fr1
ent8475:	.word	"aa
x_1080:	mov	r1,-7(r4)
ent2282:	dvd	-25(r1),r1
	mul	@-(r4),r4	; mov r0,r1 here
4:	movif	@#tb1139,fr2
	.bss
	.blkw	42
	. = .+4
	.even
	. = .+0
	.blkw	16
	.blkw	K9636+3
	.blkw	[SZ1408+3]/2
L708:	.blkw	31
	.blkw	OFF4914+4
	.even
	. = .+11
	.even
	.even
	.blkw	21
	. = .+17
K8354	= r0+0
bf9219:	x_7940:	.blkw	7
	.blkw	SZ3707+2
	.blkw	24.
sub285:	.blkw	24	; mov r0,r1 here
	.blkw	22
	.data
	.byte	'9, 240., 253	; a,b,c

	.word	lib1001,m$7444+15.,L5454,OFF6588,-267	; mov r0,r1 here
L8283:	5:	<(-^}}sjubs.>
	.word	-232	; mov r0,r1 here
	.byte	303, 337, 124, 168.
	.byte	K1203\<7, '9, 201, 56., 'a, 33, L9109
	.ascii	<l!>	; a,b,c
	.ascii	<(>
	.even
	.byte	21, 361, 125, 78., 20, 154., 'X
	.byte	-21, 7, 103., 'b, '+, 56, 'Z
	.word	.
	<<40q98(4-w[\0vg!fy>
	.even
	.ascii	<CB\pb0w`Xj0+d~C_<$,@>
	.word	23444,[L4520+N_2997]*2,[tb1862+OFF9047]*2,K6992,11473
	bf9176-bf3486
	.word	"Ze
	.byte	V8954, 44., sub8795-ent2895, sys_2947+44, '0, 'a
	.even
	.byte	m$7394

	.even
	.word	.

	.byte	-107, 44697., 47.
	.word	.+56
	.globl	sub245,sub6651
	.word	OFF6398\<7,ent8109,ext7687+27,m$7401+3
	m$7394+40
0:	<"'!-4&]<~C'l[Cozdt>
	.word	.+22,sys_8287
	.ascii	<f1c0\pctg|t/u\q  ^2\t:)n>
	.word	'2	; the end
m$4011::	.word	.
2:	.ascii	<n>	; loop: again
	.word	tb9805-x_1212,156230,'#,16420.,K3937
	.even
	.word	sub7965
	.word	!56373.,143621,bf3304
	.word	sys_2078
1:	.byte	123, -96, 178.
	.byte	-14, 310, 37, '+	; loop: again
	lib7301

	.byte	170., V8121, 81., 14994., 'Y, 'X, 371
	.byte	211

	<`\p[~'\>bq>
lp1300:	'%
	.byte	'a, '+, 'a, -35, N_1269\<3
m$8202:	.word	.
N_3548	= 17.
tb6501:
	.byte	sub9850	; @#x (r)+
	bf7232+14
7:	lib7301
	.word	67025
	.byte	35, 273, -37, 375, 117.
	.even
6:	.ascii	<~2sA%<.A:s\nj[2C\py*$v=Xkk8?Y9*>	; check 1f and 2b
	.ascii	<{84`0o&X\eb\tyz>
	.word	31412,tb5336+23
tb7735:	ent7705:	.byte	2, 315, 312, 205.	; <odd> text
	.word	.
	.word	48076.,lib2809,"Zb
x_9010:	sub7577:	sub4156
	.word	[x_1663+OFF9047]*2,.+144
	.word	bf7435-ent3672,lib2757,N_2997
	.word	50077
	.word	.	; mov r0,r1 here
	.word	sub4884,tb5292-lp4874,m$7401-10,SZ5227,K3937
	.even
m$7394:	1:	.word	!56413
	<~l]'%<i>	; loop: again
	.word	13753,-264,x_1080+14,51117,"dY
	.byte	'9, tb9805, 92.

	.byte	'Y, 57, 'Z, 76, 27, 'a, tb5387-15
	.ascii	<\qX)<er+\q\r@Y2\tZ_C/>
	<d"@\0A-n`,.>
	.byte	13., 275, -88, [ext7687+SZ483]*2
	.word	.+106,bf4226+13.,'a
	.even

OFF9428	= bf1806+3
	.word	sub4156,107405,.+62
	.word	106446,.+10,163123,x_5299,lp5792-sub5004	; a,b,c
	.word	OFF9047,ent2282-ent3169,101056
	.word	ent7647,bf6116-tb4177,31105,m$4345+43
	.word	.
	.word	-112.
	.word	.
	.word	[lib2809+OFF8728]*2

	.word	.
	.word	.
	.ascii	<9!^)2u"]kmAo2[>
	.ascii	<fuA3*37$x|^(C h@,>
	.byte	-111
	.globl	tb404
L5454:	.word	sys_1986,124457,OFF6588,V8954\<1
0:
	.ascii	<c]}x;\0s+^|`Z+-\\Yp0@c_,7\\j{ft>
	.ascii	<]r\p{>
	8539.
SZ7248	= 43
	.word	lp1823,563	; <odd> text
	.ascii	<3X-h\\'4f6 >

	.word	'c,-65.
	.word	x_610,-145.,'#,"db,tb5948-tb404
	.word	.	; check 1f and 2b
	.even
	.ascii	<ww4/exu3xdrd]Bxw[9y,&^\e>
bf7122:	.ascii	<[7~o-ct@{s8["le{]gs"]ksdf6>	; mov r0,r1 here
9:	.byte	.+24., 306, 114, 201	; check 1f and 2b
	.word	-252,!13130.,sub6651,OFF8728\<6,SZ4574
	.word	'A
	.word	x_2870-17	; the end
	<t<d3\><c0iB\\YB#-&$%5:o<~57*[>
	.text
	bit	(r4)+,@(r3)+	; a,b,c
lp1200:	x_610:	mov	r3,@170406(r4)
	movb	sys_2947,x_610-x_1442(sp)
bf4226:	m$7401:	bit	-102(r4),@(r2)
	tstb	-145(r0)	; a,b,c
	absf	fr1	; mov r0,r1 here
	bes	lp3042
	movb	@V3672\<5(r1),@#x_7284
	adc	@[L4786+N_3548]*2
	.ascii	<\tb>
tb6744:	bis	@(r5)+,(r4)+
2:	subf	fr0,fr2
x_8343:	als	@-92.(r2),r4
	trap	14.
	jsr	sp,-16.(r1)
	. = .+2
ent8825:	sub6651:	movie	fr1,fr4
	beq	ext8088
	bhis	9b	; a,b,c
N_6648	= 37
	sbcb	lp1055
	swab	r1
	add	@(sp),@(r3)
	jsr	r3,'z
	add	(r0),r3
	sbc	-273
	br	2b	; check 1f and 2b
	bitb	@-(r4),-(r4)	; mov r0,r1 here
	mov	r2,-63.(r4)
L3138:	mov	@#152227,@r0
L4110:	comb	(r0)
8:	ble	sub2903
	sub	@#m$4827+25,@-100(r3)	; a,b,c
	stfps	@r0
	. = .+14
	setd

bf1806:	sob	sp,1b
	movof	fr0,@r4
OFF6338	= 12.
	movb	@(r3),(r1)
	comb	(r4)+
	cmp	@#OFF2436,r3
	sbcb	@(r4)+	; a,b,c
sub7248:	jsr	r0,@r5
	bvs	sub7413
	ble	sub397
sub7242::	bicb	r0,@ext7687+24
	movei	fr1,-39.(r5)
V7175	= sub9862-sub3889
bf4060:	L4462:	bic	@-(r5),(r4)+
K6212	= [OFF2436+SZ4574]*3
	wait
	inc	sub3426+22
	cmp	-(r0),-(r1)
sub397:	bitb	(K6103)+,-(r5)
	sev
	bgt	3b
L4520:	cmp	@r4,@(r0)
	bitb	-137(r4),-(r1)	; the end
	decb	.+72(r3)
OFF2063	= 10.
	add	@(sp),(r1)+
	movf	fr1,fr4
	trap	10
	mov	(r0)+,@#m$2959
	tstb	@-(r5)
sub4884:	iot
	comb	@-(r4)	; <odd> text
	rolb	@-102(r0)
sub4156:	add	#[m$4228+V8954]*2,.+142
N_9280	= 'X
	dvd	@r1,r4
	cmp	@#[tb22+N_1269]*2,(r0)

	bcs	x_9483
	dec	.+32.
	mov	@m$4827(r0),-(r5)
6:	sys	sys_2947+36.	; mov r0,r1 here
	bisb	lp5914,@tb6081-3.	; the end
	clc
	movb	#'a,@(r0+3)
	ldfps	(r1)
	sev
	tstb	@-(r5)
	swab	'x
	mov	r1,(r1)+
	ash	@-65(r3),r1
	blos	5f
	bit	-(r1),SZ483(r1)
	negf	fr4
	movfi	fr1,(sp)+
	bis	@sp,-(r1)
	mov	(sp)+,-(r0)
m$2959:	bicb	-125(r4),@#x_1663
	mov	(r0),@-(sp)	; <odd> text
	mov	sp,@(sp)
5:	br	9b
	clrb	-270
m$4827:	jsr	r0,@N_1269(r1)
	subf	fr3,@(r2)
	ror	!40357(sp)
	movf	fr2,fr5
8:	bic	r4,@r4
	blt	ent9887
	cmpf	fr1,fr3
	bgt	ent8129
	.word	x_5583-9.
3:
	cmp	[m$7991+K9636]*2,@#.+102
	. = .+16
	als	@-(r3),r1
	bic	@#ent8825,@r1
	movb	-(r4),@(r2)	; the end
	clrb	@-46.(sp)
	rol	'Z(sp)	; a,b,c
	bit	@N_6648,@lp5605(r4)
V7320	= sys_5520+4
	inc	(r0)+
	.globl	lib5226
sub7413::	clr	@r4
	bic	@#ext6811,@r4
	sub	@r2,(sp)

	clrb	[lp1055+N_6648]*2	; a,b,c
m$5632:
	bitb	L9095-3,@#x_5302
x_5583:	tst	@-(sp)
4:	bne	bf3626
	sob	r3,9b
	bhi	6b
	rti
	cmpf	fr3,fr0
	inc	-(r4)
	bit	sys_2947-2,(r1)	; a,b,c
sub8346:	nop
	bit	@104065,-(r0)
	bit	-111(sp),52261.
x_7284:	.ascii	</YbhAq7,8_\et$j);[v \0C1n>
	.even
	mov	r3,@(sp)
	mov	r4,@-(r0)
	movfi	fr3,(r2)
	bisb	@(sp),(r4)
	bcs	2b
	nop
	cmp	-(r4),@lp9706+25.(r5)
	sys	239.
	tstb	r4
	ash	@(r5)+,r2
	.ascii	<>
	tstf	fr4
	cmp	@(r2),[m$8051+OFF2063]*2(r2)
OFF610	== 21237
	stfps	(r3)+
	setl
	movfo	fr3,-64(r4)
tb8157:	lp5306:	clr	@-107(r5)
	bis	(r1)+,m$5632+17(r2)
	bisb	#SZ3707,@L6861+16.
	blo	9b
	. = .+10
	bitb	@!28608.,@#-182.
	divf	fr3,fr0
9:	mov	r5,(r1)
4:	bvc	7b
	bitb	@r1,27179.
	sob	r0+2,L1403
	rti
	cmpb	lib4494,@#40101
	movfi	fr0,@43242.
	bhis	.+22.
	cmp	#"Yd,@(r4)+
	bis	(r2),@'a(r2)
	cmp	@tb6744+36,@m$5471
	div	-7(r4),r4
	movb	(r5)+,@.+150
	als	(sp),r0
	blo	L9198
7:	neg	-(r0)
	clrf	fr2
	bpl	5f
	sub	@#'a,sys_2328+26(sp)
	bitb	r2,@(r2)
	sbc	@lib3830(r5)
	inc	@r4
	.+116.
	cmpb	-(r4),@r1
	alsc	@(r0)+,r0
	sxt	(r2)+
	sub	-69.(r0),(r4)+
	movb	@'A,@(r4)+
	bgt	2f
L69:
	add	@-4(r4),K1203\<3
L6861:	movof	fr3,@r3
	.ascii	<\el7^BmBB&`CX;>
	.even
	bisb	@'a(r5),-90.(r0)
0:
	movb	"ec(r0),@-105(r5)

	cln
	bitb	(r2)+,(r5)
	movei	fr1,-(r1)
lp6160:	lp1242
	bisb	@[x_9483+SZ1408]*2(sp),@54101
	trap	123

	cmpb	(sp)+,@(sp)	; mov r0,r1 here
	sbcb	r5
6:	bit	#lp3341+28.,@r0
	bicb	@152305,(r5)
bf1894:	bit	@-130(r0),124333	; <odd> text
8:	cmpb	(r4)+,@-43(r1)
3:	ble	x_9483
lp3042:	xor	r4,@-(r4)
	setf
lp1216:	bf7471:	bic	@#lib5513-12,@-(r3)	; @#x (r)+
	movfi	fr0,@(r1)+
x_888:	setd
	rts	r1

	jsr	r0,(r4)
	movie	fr2,@m$2544	; the end
	cmp	@-131(r4),@(r0)+
	incb	@-132(r4)
	.word	SZ3707
L1403:	nop
	mfps	@OFF6398
	movei	fr1,@m$775(r1)
4:	inc	r0
	jsr	sp,r2
	rti
4:	mov	54945.(r5),@#sub1384-19.
	bpl	0b
	clz	; the end
	bmi	sub3173
	.ascii	<;.gZB{.XgB(g\s5.3`9\qfi4na$q9>
	.even
ent130:	tst	-126(r4)
	negf	@K9636(r4)	; check 1f and 2b
m$9399:	. = .+14
	mpy	(r0)+,r0
	divf	fr2,lp9420(r2)
sub1514:	bcc	m$1968
	bvs	x_9483	; mov r0,r1 here
	sez
	mov	sp,@(r0)+
	bhi	3b
	bpt
	tstf	!4006(r2)
	cmpb	@[L4702+SZ3707]*2(r3),@lp7386-4
	.word	14731.
	bit	-(sp),-84.(r1)
	trap	260
	sub	@(r1)+,m$7913-lp1788(r4)	; the end
lp4843:	alsc	@-(r0),r2
	.bss
	. = .+24
	.blkw	V8121+4
	.even
	.even
	.blkw	6	; @#x (r)+

	.blkw	[N_6648+3]/2
L9198:	.blkw	V3672+0.
	.blkw	35
	.blkw	N_6648+2.

N_5662	= .+18.
	.blkw	[N_1269+3]/2
	.blkw	[OFF6588+3]/2
	. = .+7

	.blkw	8.
	.blkw	5.	; check 1f and 2b
	.blkw	25	; the end
	.even
	.even
	.blkw	[SZ483+3]/2
	.blkw	[SZ1597+3]/2	; loop: again
	.blkw	SZ1408+0
ent8129:	.blkw	[OFF9047+3]/2
	.even
	.even
	.blkw	[OFF2063+3]/2
	.blkw	OFF6588+2
tb6766:	.blkw	[N_6648+3]/2
bf3626:	.blkw	34
	.blkw	20.
	.blkw	40
	.even
8:	.even
	.blkw	[OFF2436+3]/2
	.blkw	6
	. = .+12.
x_9483:	.blkw	[OFF8728+3]/2
	.blkw	27.
	.blkw	N_3548+3.
	.blkw	N_1269+1	; a,b,c
K4971	= L1856+2
	.blkw	29.
	.blkw	[SZ483+3]/2	; mov r0,r1 here
	.blkw	[OFF6588+3]/2	; <odd> text
	.even
	.blkw	1
	.blkw	5
	.blkw	17	; a,b,c
	.blkw	3
	.blkw	OFF2436+2.
	.blkw	29.
lp5605:	. = .+22
lp4364:	. = .+4.
	.blkw	SZ4574+2.
	. = .+20
	.blkw	K9636+2
	.blkw	21
m$5705:	.blkw	SZ7248+2
	.blkw	[N_1269+3]/2
	. = .+12
	.blkw	[SZ483+3]/2
m$5471:	.blkw	6	; mov r0,r1 here
	.blkw	16.
L9949:	.blkw	16
	.blkw	N_6648+2.	; the end
	. = .+30
x_3761:	.blkw	[OFF6588+3]/2
	.blkw	42	; <odd> text
	.blkw	41	; <odd> text
lp7386:	. = .+16
	.even
ent8757:	.blkw	26
	.blkw	[OFF6398+3]/2
	.blkw	[K1203+3]/2
	.blkw	7
	.even
	.blkw	2
	.blkw	[N_2997+3]/2
	.blkw	N_6648+1.
	.blkw	[N_1269+3]/2
	. = .+7.
	.blkw	SZ7248+4.
	. = .+24.
	. = .+27
	.blkw	42
	. = .+2

	.blkw	33
5:	.blkw	43
5:	.blkw	23.
	.blkw	32.
	.even
x_8234:	.blkw	[SZ483+3]/2	; a,b,c
m$2544:	. = .+24
6:	.blkw	[N_3548+3]/2
	.blkw	2
2:	.even
	.blkw	14	; the end
	.blkw	23.
K3728	= SZ3707-OFF6338
	.blkw	21.	; the end
	.blkw	6

	.blkw	[N_1269+3]/2
	.blkw	37.
	.blkw	K1203+1	; loop: again
	.blkw	26
	.blkw	OFF2436+2
	.blkw	2
	.data

	.byte	243., 266, tb2559, -117, -38, 'Z
OFF7298	= sub9824+7.
	.byte	.+56, 'X, 322, 51, L9109, '+, tb5292-4, 'a	; check 1f and 2b
	.word	ext2159+5,lp1637,ext6395,"fc
m$7831:	.word	122035
	.text
	sub	@(r5),@r3
5:	bec	1f	; @#x (r)+
	.data
	.byte	22064., 112, 205., 'Y, -160, ext7687, 334, 48.
	.byte	30

	.byte	'c, 325, 142., '+, 59., '9
	.word	tb1139,'$,ent6984
	.word	sub4543,m$7970-15.,10712.
	.byte	.+104, sys_1965-17., 164035, 137., 32
	.byte	'2, bf4055
	.byte	206, 'Z, '0, 149.
sub4543:	.ascii	<\s>
	.byte	ent3672, 153, 'c, K6992\<4, lp5605
	.word	.
	.byte	206., 135., 223, 202., '+, V8954, 132226
	.word	.
	.word	SZ4574\<0,K3937
	.byte	'+, 'b, 112	; the end
	.ascii	<[j_hY\nw5@B'<|X*e>
	[L9276+V8954]*2
	.word	x_3761,sub7547+6
	.byte	142
	V8954\<3
	.even
	.ascii	<idc\nf!|k'*Cn!@o`>
	.ascii	<!]lZ$up82*j|n:i}@ZBy*#=,=>
	.word	m$192+22,m$1552-m$8228,N_2997,65527,N_1269
	.ascii	<({{q|a#@>
	r4
	.byte	352, 'c, 176., -55, ext393+46, 'X
sub3429:	.byte	-47, 47828., 232.
m$192:	.word	26127,tb2152,ext7687+22,17351
	.word	18596.
	.byte	-127	; a,b,c
	-27.
	.word	25351.,lp1823,[L5779+N_2997]*2,lp2844,L8283
	<2~&_Z =tCX*CBw+stq4y~>	; <odd> text
	.word	.
tb2675:	.byte	-7, 'a
	.word	.+46
	.ascii	<\r28!k\eb7rmlrw/7\n!=Z->
	.word	sub7538+44,165311,bf9383+44
	.byte	114., 301, -7
	r3
2:
	x_5031+33.
	.word	18460.,-246,"da,"Ya,64064

	.ascii	<~3}o*8v8q'f="]jvz"B>	; a,b,c
	.byte	bf7122-11, 114, 'c, -94, 344, lib3895+25, 122
	.ascii	<ep\n)3,s[-Bg1yvaB$e$2//:=|}k8+>
	.ascii	<(tiq`\srCuo>
	.ascii	<qkZCij\s>
8:	.ascii	<7 $_BZk8g*CYzm+9`qd7(>
	.ascii	<" "#0,zaf58{ih>
	.word	OFF6338\<5
	<=|7r)`|4g}|x@8'\0np[oqe\08hs(.>
	.byte	'#, 102, 103, -123, tb6501, 52, '+
x_3997:	<02clg ,u\suim;\p`+v\tt>
	.word	x_5583-10,m$1968
	.word	tb1139
	.ascii	<5['Z7h.#$lqj%])hf s5X/zau|{ed>	; the end
L9276:	.word	-50,lp5514+21,m$1968,m$4345-bf1660
	.byte	'+, -15, 53, 171, '+, 156
	.byte	355, 153., 102, ext6395-22, -17, 62., -65, 341	; @#x (r)+
	.byte	110., 64., K6992\<6, 145., -18, 41277.
	lp4364
	.word	.
	.ascii	<5&p(<m&m&zy!=Zn\>XqA>	; check 1f and 2b
	.word	11776,10643.	; <odd> text
	.word	22513,bf2366,!900.
	.word	.
L5779:	r3
	.text
	add	@-26(r1),SZ5227(r1)
4:	mov	r3,@-116(r1)
	jsr	r4,@#L4114
	bic	@(r0),lp8367(r5)
	bne	lp3092
m$1968:	jsr	r1,@-4.(r3)
	modf	fr0,r3

	cfcc
	mov	.+146(r1),-22.(r1)	; the end
	.data
7:	lp9420
sub6898:	.byte	OFF6398\<6, 'b, .+72
lp1736:	.byte	5, '+, 151., 238., 52
	.ascii	<(#q\n3/e9 $4t.7h,nry>
	.byte	3, 'a
	.ascii	<l\0-BYv|s=fjr\0>

	.word	167415
	.byte	65, lp6160, 107, -29, 'b, 'Z
	.word	SZ4574,[sub7747+SZ483]*2
	.ascii	<jo5<$bA`nyg\>\ey'9^\t>
	.word	35080.,L6937,43527,sub3746-3,[L9321+SZ7248]*2
	.word	143153
	.ascii	<g(ni9[>

	.byte	-82
	bf4055-7	; mov r0,r1 here
	<9[piv:+v..d6\p(47&>
	.word	[lp5884+OFF2436]*2,ent8825-9.,sys_5520-17,lib3830,x_1442+34
	.word	bf2366,[ext6811+N_1269]*2,tb5865,sub4884-17,tb8995
	bf841+13
	.word	lib3895+28.,x_7940,-194.,6233.,.+34	; <odd> text
	.even
	.byte	24, 28., 263, lib8467+13., 363
	ent7698

N_9283	= tb1862-m$4345
	.word	.
	bf4474
	.byte	52, !113140, '0, 327, 171, tb8995, 110
	.word	.
	.globl	L3715,sub7242
	.word	'#,OFF6398\<5,!52510
5:	.even
	<|]ip>
	.even
	.byte	240, 253, -56, 9., OFF2063\<7
	.byte	241, 164, 134., '+
4:	.word	[lib2757+K3937]*2
lp7848:	.word	!2345,L5454,ext6395,counterl-L4702
L1856:	.byte	'a
sub3746:	.word	'%,!166475,m$3310-tb2262,L3866+25.
	.ascii	<~<h_&9Yk=3\>"~c>
5:	.ascii	<33c]&gmr]6dr;>
	.byte	'X
	.word	lib7301,bf8548-x_7052,ent4391+41
	.word	143135,!143450,sub3746,tb3303	; a,b,c

	tb1862
3:	.byte	33, 233
9:	m$6614-lp1516
tb2559:	!100530
	.word	'9,-277,ent7705-1
	tb8157
	.word	ext2159,OFF8728,m$5286
	.word	lp8367,ent130,tb6370,sub2197
L3866:	.word	.
	.word	lp2966-9.,-62,V8121,m$5777-7
	.word	x_9762,-114,[ext393+V8954]*2	; check 1f and 2b
	.ascii	<6C>
	.ascii	<xzf}n93`c1#7[g,\e6^]?q] p>

	<!5<uprdX0:h[m"`nkt~t>
lp9756:	<xrz~i~)s&=>
SZ1645	= lp9420-tb9805
	<w:iu@!{\p_&s[0"A+;!>
	.word	.	; <odd> text
sub2197:	.word	ent5738+12,lp9329,lp9400-lp9420
	.ascii	<>
5:	tb1662
	.word	.+134,sys_9402,50257
	bf9919-m$6855
	.word	[x_4302+SZ4574]*2,73040,sys_2328+15.,bf6926,"ab
	.ascii	<C"\0|&A!,m,?\s6~Y*`nm{f}Y>	; <odd> text
lp8367:	.byte	10637, 115
	.word	x_729+32,tb2809+44	; loop: again
	.word	m$2544,L6916,x_4302-21
	.word	x_4003
lp8193:	.word	.+30,!136262,tb5387
	.word	'%,OFF6588	; check 1f and 2b
	.byte	'9, 210, 'a
	.ascii	<6 c~\0"s>
sub7747:	.byte	227
	.word	tb563+20.,sub5981-21,tb7830,L9109-tb1690,32966.
	.byte	221, 213, 21.
	.word	sys_7806,bf3278
	.byte	55, lib3895, OFF6338, 215., 90., !33720, 131, "aZ	; a,b,c
	.word	sys_2947,x_424,.+122,K3937
2:	.word	.
x_4302:	.word	'%
	.word	-138.,lib67,tb1823+41
	.ascii	<3Y~jj~*y\srb-$3 >
	.ascii	<\q{+$nn'k)(bs'd(x\qj>
	<ar>
L5178:	.byte	41
OFF943	= sub4042-m$7913
	<>
	.word	tb7830,bf9919-bf891,K3937,"ae,x_1943
	.ascii	<o\ra\>)8Z"|@0uv^vse!?(1B$@;>
	.word	sub2929+1,'b
	<+q\0x\0]xh1A^>
	.word	sub2929+3,K3937
	.even
	.word	sub7242-lp5514,"bX,tb7824+22,tb6005-3.,ext2159
bf4055:	.even
tb1823:	<|bl{_!u\nye3*_14Yb8>
	.word	44564.,sys_9402,lp9400,-152,sys_8287
N_8832	= 57
	.word	OFF6398,x_9010,x_2960,K6992\<0
ent4840:	.even
	.even
	176404
	.word	!10154,x_3997+27
	.bss
	.blkw	21	; @#x (r)+
	.blkw	4.
	.blkw	N_3548+3
	. = .+26
	.blkw	K9636+2.
L3715:	.blkw	[SZ1408+3]/2	; the end
4:	.blkw	N_8832+2
	. = .+20.
	.blkw	35	; mov r0,r1 here
N_3120	= sub397+4
	.blkw	[N_3548+3]/2
	.blkw	6
	.blkw	44
	.blkw	12
	.blkw	2

	.blkw	14.
N_7960	= sys_1965+3	; loop: again
tb4910:	.blkw	[K3937+3]/2
	.blkw	15.	; <odd> text
7:
	.blkw	[V8954+3]/2
	.even
	.blkw	11
	.blkw	[SZ5227+3]/2
	.blkw	[N_8832+3]/2
	.blkw	14
	. = .+22
	. = .+3.
	.blkw	[SZ1597+3]/2
	.even
bf8255:	.blkw	[SZ5227+3]/2
	. = .+6
	.blkw	OFF6398+4	; check 1f and 2b
	.even
	.blkw	3
	.blkw	21.
	.blkw	40	; check 1f and 2b
sub2929:	4:	.blkw	[SZ5227+3]/2
	.blkw	[SZ1408+3]/2
	.even
	. = .+2
	.even
	.blkw	K9636+2
	.blkw	6.
sub5981:	.blkw	K1203+2	; mov r0,r1 here
	.blkw	[SZ5227+3]/2
	. = .+25.
	. = .+0
	.blkw	[OFF2063+3]/2
K547	= 74
bf2366:	lp3092:	.blkw	OFF9047+0.
	.globl	lp1823,lp9329,tb1662
	. = .+22
	.blkw	[N_8832+3]/2
	.blkw	17.	; mov r0,r1 here
	.blkw	[OFF8728+3]/2
tb8995:	.blkw	OFF4914+0	; <odd> text
	.blkw	[OFF2436+3]/2
	.blkw	N_2997+3.
	.blkw	SZ1408+3
x_424:	.blkw	26
lp9329:	.blkw	N_1269+3
	.blkw	SZ3707+3
	. = .+34
	.even
	.blkw	5
	.blkw	[OFF8728+3]/2	; the end
	.blkw	SZ1408+1.

	. = .+14
	.blkw	[OFF8728+3]/2
	.blkw	32.
	.even
8:	.even
	.blkw	N_2997+4
	.blkw	34.
	.blkw	[OFF6588+3]/2
	.blkw	N_8832+1
	.blkw	[OFF2436+3]/2
	.blkw	10
	.blkw	31.	; <odd> text

tb1662:	. = .+22
	.even
	.blkw	SZ483+2.
	.blkw	[SZ5227+3]/2
x_729:	.blkw	[SZ483+3]/2
	.blkw	[OFF6338+3]/2	; loop: again
	.blkw	18.
L3023:	. = .+3
	.blkw	19.	; the end
	.blkw	3	; check 1f and 2b
ent5738:	.blkw	K547+1.
	.blkw	[K3937+3]/2
	.blkw	24
	. = .+23
tb6005:	.even
	.blkw	OFF2063+4
	.text
	aslb	-(r1)	; a,b,c
	bhis	ext467
	mark	316
	.word	113003
6:	.word	SZ483\<1
	movb	"Yf(r5),@(r5)
sub1211:	sxt	m$192
L9314:	bvc	bf6069	; <odd> text

	bisb	-(sp),@sp
	.word	m$9498+11.
	bpl	6b
	sbc	64297.	; mov r0,r1 here
	movf	fr0,fr0	; loop: again
	cmp	@lib1001(r3),@(r3)+	; mov r0,r1 here
	bic	-(r4),@71731(r5)
N_4068	= 'X
	com	r0
	blo	sys_2554
	bit	-50(r4),@[L5119+K6992]*2

	mov	r2,SZ7248(r3)
tb291:	bic	bf343+25,@sp	; <odd> text
	.ascii	<h\rt^wZAd\qA,b~u)Zy9'[)t0}>
0:	bis	@#!167261,-(r2)
lp8861:	com	@-137(r5)
	cmp	@#166534,@(r1)+	; <odd> text
L6916:	br	5b
	bicb	@L4786,-72(sp)
	. = .+10.
L783::	mark	141
	emt	71
	movfi	fr0,62271.(r5)
	swab	@(r1)
	bitb	-(r3),(r2)
9:	movof	@#m$8202,fr1
	sbcb	@124331
bf9648:	bmi	lib7301
	blos	.+0
	. = .+14.
6:	movei	fr0,@#!65347
	rolb	@(r4)+
	bis	@.+46,K6103
	movei	fr0,@#.+154
OFF6954	== 45673.
	bcc	x_1012
	bit	-(r3),r2
	.globl	lp1055,lp5306

	bicb	(r4),@(sp)+	; loop: again
	sev
	subf	fr2,@#sub1801	; a,b,c
lp6446:	tb7824:	mov	r0+1,@#22576
m$9498:
	sez
	movb	(r4)+,141733
bf3167:	ash	lib3895(r3),r1
	xor	r5,-(r0)	; loop: again
	bit	@(r1),r1
	mul	@(r3),r2
	absf	@-24.(r3)
	.ascii	<*j>
ent2162:	xor	r1,@(r4)	; check 1f and 2b
V6084	= K547|OFF8728
	bis	-56.(r1),@(r2)
	ble	lib3895
	jsr	r0,@tb2134
3:	movof	@(r1),fr2
bf6069:	bvs	4b
	bge	m$2010
	swab	@-(r1)
	bmi	3f
	bit	@-(r4),(r1)
	add	@#23294.,(sp)+	; @#x (r)+
5:	cmp	(r3)+,-(r4)
	bvc	ent6723
tb2134:	bne	5b
	rts	r4
SZ7177	= L9109+16
	mov	r2,@#ext5260
	bhi	lib4494
	rts	r0
	bitb	@#bf3036,@tb2775+11	; check 1f and 2b
	subf	fr1,fr2
	.ascii	<)d\n=vrncs% ca\p>
	com	-126(r5)
	mov	#7795.,@-125(r1)	; mov r0,r1 here
	beq	sys_9402
	cmp	@#112711,sub6898
	movb	@-(r1),@#K547
SZ2080	= 'Z
	bic	@-(r1),@tb6766+33
	tstb	@ent8258+33
m$7943:	6:	div	-52(r3),r0
L1356:	rts	r5	; @#x (r)+
	.globl	ext393
	bitb	@-(r2),(sp)+
sub3797:	rol	(r5)+
sub1082:	add	@(r4),@-70(r4)
	ble	0b	; mov r0,r1 here
	bit	@-(sp),@[tb2775+OFF6588]*2(r1)
1:	rol	[x_1943+OFF6398]*2
	comb	(r2)+
	ble	ent317
	bitb	@(r1)+,@lp8878-5
ent2105:	N_1269
	inc	@(r3)+
	sub	m$585,(r5)
	bit	L9314-ent3648(r1),@-(r5)
sub4636:	cmpb	167432(r1),@-32(r1)
	movie	(r4)+,fr1
	.data
	.word	'A,lp8878-6.,sys_9402+13,ext8447,SZ483\<0
sub5716:	.byte	217, '+, 46, '0, 152., 81., [sub4042+SZ3707]*2, 71
	.ascii	<,}jb^6\n5t$^fy'!8\n\e>
	lp4412-lp4874

L3746:	<34\rx+>
	<!4AXbc>
	.word	L5637-22,-301
bf343:	.byte	-38, 224	; the end
	13647
	.byte	310, 'c, 104, 76, 'b
ent4752:	.word	sub7577+29.,sys_2579,tb3303-ent7496,[bf1856+OFF9047]*2
	.word	'0,ext6811+10,[lib2809+N_1269]*2,63726
	.word	.
	.even
m$2010:	-16
	.ascii	<{\q\p'gy>
x_507:	.byte	167365, -117
lp4712:	.word	'y,sys_2947
	.word	tb3061-3,K9636
	.byte	5, 'Z, 239., 65, 107., 147., 245., [m$585+OFF8728]*2
	.word	L5637
	.byte	'c, 223., '0, lp5914, N_8832, 'c
	.byte	'a, 272
	.ascii	<sh|:js[4\n'/zb\>8b>	; <odd> text
tb1657:	tb1868:	.ascii	<.i\0|)azq]=y z\0\s5)#g>
	.byte	220., 'a
m$9778:	.word	lp9329+6.,bf9143,'9
	.ascii	<,9f;~dm!=-x\t`4y>
	<4|\>iZ}e`\\,sAwsCq\>$\e]t Z$>

6:	.byte	lp2966, 12, -32, 'a, 40, 41.
	.word	[bf1894+OFF6588]*2,[lib2757+OFF9047]*2,x_7184
	.even
lp1443:	r3
	.byte	m$3629, 236., bf9143, tb6766+21, 120, 161
K765	= OFF6338+OFF2063
x_1012:	.ascii	<u"\eZ(68~ 1$3s"Cr>
OFF2447	= bf841-ent3750	; loop: again
ent317:	.word	lp9400-6,.+20.,sub8524-12
	.ascii	<>
	.ascii	<</'+w e*0d\>h|}&:*c;Awr,zf>	; @#x (r)+

	.word	L897+32.,sub6943,sub962+31,"XZ,53511
	.word	lp7386+7.

L9975:	.word	.

	.ascii	<-@>
	.ascii	<*l\0<fd|;4atBuh3#"=\ty|^z /q#>
3:	N_1269
	.text
	.ascii	<i7y2giC0A[8c\\$537id52\p\n>
	.bss
	.blkw	45
	.blkw	6
lp8878:	.even
bf4867:	.blkw	[SZ5227+3]/2
	.blkw	[N_2997+3]/2
	.blkw	[OFF6398+3]/2
	.blkw	[N_8832+3]/2
K6255	= SZ5227-SZ1597	; mov r0,r1 here

	.blkw	K3937+0.
	. = .+27
	. = .+26
V4853	= lp1200+13
	.blkw	27
	.blkw	[SZ7248+3]/2
	.blkw	29.	; the end
	.data
	.word	.+46,[lib3895+K6992]*2
	.byte	16., 163301, 41, 'b, '0, 'c
	[sys_2078+OFF2436]*2
	.word	ent8475,lp2844+11.
	.ascii	<B^q]\ss^Z+2pA.9"3zr~w\neZ.^>
	.byte	370, 53, 'Y
	[x_8234+N_1269]*2
	.word	15604,tb2775,m$9878+42
	.word	'9,7441.,OFF6588,.+6.
4:	.byte	tb9476, 213., 334, sys_5520+8., -43, 322, 245, ent8825-14	; @#x (r)+
	.ascii	<a12p=3& ^t<g\r6qe\\wA$jew>
OFF1465	= bf8548-ent2282
	.ascii	<t1+@4,!;hew[>
	.word	N_8832	; mov r0,r1 here
	.word	tb5361-lp8861,bf3534,bf1856,2403.,ent7496-tb3368
	.ascii	<Z/[(\0||i=(>
	.word	lib2809
	.word	L5211,sub9862,.+56,67711,17468.
	.word	.
sub7829:	.word	sub517,V3672\<5,K547,sys_2579,ext5260
	.even
	.ascii	<${Y\03*[k5n^\qAg`fia{)\>m>
	.word	.	; <odd> text
	.byte	'Z, -50, lib2757, -72, -46, 137453, 157

	<;#{au 4n\r6/&2q/a@Ys`#{\s>
	.word	.
	.text
	.even
	emt	73.
	.data
	.word	.	; check 1f and 2b
	<s p5ZC\nu/b6/ %>
	N_8832\<5
	.ascii	<2XZ(~1}Zuxr-91;x0@}C:>

	.word	[lp7322+K1203]*2,SZ3707,m$5119-5
	.byte	-102	; a,b,c
	.ascii	<,;8 b?sov!.\n\n>	; mov r0,r1 here
bf3534:	<_*&|7mA/|gju)6t63B\plXj\eko>
	.byte	104., 119.
	.word	bf6189,'Z,ext6811-11,bf2366,SZ483\<3
	x_9762-19.
m$585:	.word	m$2807,sys_5520,42475.
	.ascii	<\>x.cp3gz~b\p\p7|Xe*=>
	lp1823
	.bss
	.blkw	6

OFF8504	= lp8367-sub6651	; the end
	.data
	.ascii	<dz8b\s\ek #Co cb!`v3\qB\e|1`vA>
	.byte	133, 69., 145., 'X, 14
	<8k)1&>
8:	.word	.
2:	N_6648\<7
	.even

	.word	.
7:	.ascii	<[2hx_?_C$,6bn>
	.word	!133130,ext5260+9.

	.word	m$2807,35065,OFF2063\<6,.+32.
	.byte	226, 160., 236, 36
	.ascii	<elk^^\e|.~?x>	; a,b,c
	.byte	167042, K1203, 152

	.ascii	</;:)c=\02oc3~(r\n>
	.ascii	<<t>
	.ascii	<%\0-8g\09;_\>Zq*w#e91=>
	.globl	ext4508,sub7248
	<\q\s[1u73X36mz'fZ:vB8z>
	.ascii	<:\q#d9uk@>

	.byte	-118, -32, '9, [sys_8287+SZ5227]*2, 174, 'Y, 70, 80.
ent8258:	.word	.
	.byte	-15, lib1001, 109., !5925., -43, x_6284
	.word	[x_9031+OFF2436]*2,tb228-2,K9636
	.ascii	<;8,v>
	114217
	.word	.
2:	.word	27223,[lib8467+K1203]*2,72444,bf3036
	.word	OFF4914,ext4508
	.word	tb5292+18.,172131
	.word	SZ1408\<1,51766	; loop: again
	.byte	213, 107, 272, '0
9:	.word	.
	.word	tb5787+5,34332.,.+74,N_2997\<0
	.byte	'b
	.even
	.word	K3937\<0,!20796.,SZ4574,"ed
tb5787:	.byte	-110, ext467, 57., 245, 12, '+, 32
	.ascii	<\\8l(~aY_x{q\rgq-\\!7';=&=)|>

	.word	120615,113004	; <odd> text
	.byte	48728., 120, 173, 102, 93., x_6284+22, !21711.
6:	.byte	148., 222, 103, 71, lib4494-12, 66, 48.
	.ascii	<v5z/5bn,\s5=ju*p%>	; a,b,c
	.word	.
	.even
	.ascii	<f:u"!>	; a,b,c
	.ascii	<:tks !=B_w52!1`su z>
	.byte	'9, 16., 13, K3937\<2, -72, 153, '9, 301
	.word	.
bf3036:	.byte	210., 22, 'a, 333
bf9143:	.word	lib3830,!64627,-37,L8131,OFF9047

	.word	100301,2261
tb2775:	.byte	234., 235, 222
	.word	sys_7806,116630,x_7561,'2
	.even
	155524
	.word	bf9298,sub5004-lp1216,'y,74213
L5637:	bf4938

	.word	.
	.byte	255, 92., '0, -27, '9, 'Z, 243., 72
	.ascii	<@\s1 A[<d;6k>
	<f{||6p8a\0}ko!#\qt$,:n/i>
	.word	!163721,L1377,L8091
	.ascii	<y+vs454_ne<655q[% ae_s3{>
	.byte	-70, 35., 52., sys_2579, 23., '9
	.byte	79., 'a, -102, -90	; the end
	.word	.
	.word	64689.,"Zc,K6992\<2
	.ascii	<\qYi7.r>
	.ascii	<jblg\sZl$a+`%\0*/9ic6q\e--!>
V8753	= lib9334+4
	.ascii	<r)%\e8\p~~"%\qt9l0txk\n\s>
	.word	.
	.ascii	<@prp_kmXidce$"v~\ew?`\q^t`wb>
	<;~j%Bqu+ }&B]<\n${+{>
	.word	ext393,73411
	.byte	266, 53, '+, 'b, 255
7:
	.word	.
	.byte	x_6284
	.word	.
m$2081:	.ascii	<zr$>
V1505	= .+14
	r5
	.even
	.word	ext393,.+104.
	r2
	.byte	251, 156, 322, 62, 'Y
	.byte	'Z, 251., 'Y, 26719., 161, 211, 236.
4:	.word	9844.,"Yf,ext3030
	.word	.+6,lib5513,165751,-187.,'y
	.word	ext6395-7,tb6766+5,N_1269

	.byte	'+, 371, '9, m$8135+0, [ext467+V8121]*2
	.ascii	<2`zd<C\nd.\\y?\q~~B5hejn~>
	.word	'2,L2634+47,ent8783
	.word	ext6209-20,SZ1408\<7,'Z,!161544,x_6284+37
ent8783:	sub8173
	.ascii	<?X?a A~. z>
bf9579:	2:	.word	.
	.even
	.byte	370	; loop: again
	.word	sys_8287+24,sub2653,!11405.
	.word	[lib1001+OFF8728]*2,bf1806+8.
	.word	[bf1856+SZ1408]*2,163447,172376,bf1856,OFF2436	; the end
	.ascii	<z,;)^\thctx\t\p}.C {s"+>
	<=m*Z?\tmz,\0r#C,k\0(z\e],p>
	.word	.
	.ascii	<$3hc>
	.word	.
	.word	-159.,'a,x_1080-m$9040,6332,N_8832\<6
	.ascii	<z!\0{k.b_2pz=Cy_'mhs/#~&yy>
	.byte	52710, '0, 149.
	.ascii	<-~g5onh5\n|\s?(h|==a@5>
	.ascii	<4A}f=\\q9\0i%<>	; @#x (r)+
	.even
	.even
	.even
sub8173:	.word	.
	.byte	m$9750
	.word	L2987-lp1788,-201,150075,[L897+V8954]*2
	.globl	sub4342,sys_2947,tb2262
m$9878:	.word	N_8832,-307,N_3548\<3
	.globl	sys_2947,bf4474,sys_9402
	.word	.
	.word	lib3830,.+34	; check 1f and 2b
	.even
	.ascii	<>
	.+130

	.byte	'9
x_6284:	.ascii	<\\w\\vhvp7(tk5lX3+Xe4ta0m>
m$2807:	sub6943:	<\t|&079ym_A]\nmd#-$\qq>
bf1856:	.word	.	; check 1f and 2b
	!40723
ent9770:
	.ascii	<!A;2?2Y2Z\ry&y(g],#l*a7:->
sub2653:	.byte	174., 123452, 112
	.even

	.word	!33984.
	.byte	.+142, 'X
	.word	.
	.byte	132., -73, 223, 219., bf6058-6

L2634:	.byte	217., 256, 204, 47336., 120354
	<{+;"\s*\ef7X&/^=^(ui?>	; loop: again
	.text
	rts	K5597
	blo	.+22
N_7363	= r4+0
	bis	-(sp),@-(r1)
	movb	K547(r4),@-(r0)	; check 1f and 2b
	add	@tb4177,@'9
	div	@-130(r4),r4
	mov	(r4),(r4)+
	mfps	r5
1:	sub	@-(r0),@(r1)
	.+112
	cmpb	@(r1)+,r5
	cmpb	@-(r5),-23.(r5)
	.globl	x_3283
	incb	@#3064
	bit	r1,(r4)
	subf	fr2,@#'z
	bis	@sp,@(r3)+
	tstb	@-(r4)
	movb	@(r0)+,@r2	; mov r0,r1 here
	.globl	x_8044,sub3242,sys_2554
	addf	fr0,fr1	; the end
6:	mov	@sub6651-sub1514,@-(r5)
	mov	@-(r5),-136(r5)
	bge	sub2969
	asr	-62.(r1)
tb8927:	.ascii	<dg) =0>
	jsr	r3,@(r3)
	bit	-137(sp),-74(sp)
	jsr	r4,@-63.(sp)
	movof	m$6855(r2),fr1
V2614	= lp1788-x_5299
K9906	== 122303
4:	xor	r2,r0
	sxt	r2
	cmp	@(r3)+,@-135(r1)
	bis	"Yc,r3+0
	xor	sp,-54(r3)
	mov	@(r0)+,@OFF2436\<6(r4)	; a,b,c
	subf	-(r0),fr1
	cmpb	sub5716(r3),(r3)+
	movb	-(r4),@153437
	jsr	r5,@lib2809(r5)
	neg	(r2)+
	bit	@-(r3),x_156(r5)
	bic	@#111764,(r3)+
	cmp	(sp),@.+72	; the end
	.word	.+2
	beq	2f	; check 1f and 2b
	nop
	tst	(r5)+
L897:	bvs	5b
	blt	9b
	bit	-(r3),@r0

	.word	"YY
	adcb	@-(r5)	; a,b,c
ent9084:	dvd	(r5)+,r4
9:	blos	0b
	decb	@(sp)
	sbcb	30131
	bne	sys_1965
sub962:	ash	@[lib5226+K1203]*2(r4),r2
bf3654:	ashc	lp9246-17(r5),r1
	bhi	L3997
	bis	@-(r5),(r5)+
	bvs	m$7401
	sys	300
	ash	@.+26,r0
	.ascii	<%p~Y*\pt t8@6>
x_1250:	. = .+4
sub4342:	jsr	r4,-56(sp)

	.word	ext6811
	jsr	r0,@-(r2+0)
	negf	@(sp)
	setl
m$2212:	2:	cmpb	@-(r2),-66.(r5)
	blos	m$1622	; check 1f and 2b
	sob	r1+3,8b
2:	movif	fr0,fr2
bf3007:	wait
	mtps	lp5260-17
	mfps	@sub3454(sp)
	mul	@(r2),r1
0:	bne	sub5004
	ext6395


	als	-96.(r0),r1
0:	movb	43422(r2),@(r4)+
	bcc	.+32
x_4942:	mov	!120224(sp),(r5)+
	.globl	ent5018,tb6109,sub7104
	tstf	fr4	; the end
	rolb	@(r2)+
9:	br	ext7687
	.word	m$7231-tb5126
	br	.+2	; loop: again
	movei	fr3,!64868.
	halt
sub3242:	sub	-31.(r3),@#m$6855+32.
	bit	-(r3),@#-20.
	sub	@(r2)+,@sys_7806(r5)
	ashc	(r5),r0
	.ascii	<9?|fm6>
	bitb	(r1)+,-71.(r2)
	bit	@"Zb(r4),-(r4)
	bis	@r2,@(r4)

	bit	r5,-41.(r0)
	movb	r2+1,@#L8949
	bitb	lp9400-10,@-(sp)
	add	SZ1408,(r4)
	dec	@"dZ(r2)
	add	-45(r0),@!144565(sp)
lp9246:	mark	171
6:	negf	ent8258
	bhis	ent9673
	add	(r4),@r0
	neg	@-6(r1)
	jsr	r0,m$6855(r1)	; a,b,c
	clc
	absf	@-29.(r3)	; <odd> text
	rolb	-(r3)
	bisb	@r4,(r2)+
	rts	r1
	bvs	sys_442
	cmp	@114502,@r0
8:	rol	-43.(sp)
	rts	r2
	mpy	-24(r0),r0
	sob	r2,5f	; <odd> text
	jsr	r5,20430.(r1)
	bicb	-(r3),-96.(r2)
	bis	-27(r3),bf4474	; <odd> text
	bis	@-(sp),-65(r2)

	mov	r4,(r0)	; mov r0,r1 here
	rts	r4
	inc	(sp)
	bgt	.+2.
	sob	r1,9b
4:	.word	lib3895
	swab	@(r5)+
	sbcb	@V3672(r0)
	bcs	L2732
	asr	@-70(r4)	; <odd> text
	mov	r3,@ent5018(r1)
	.bss
8:	.blkw	21.
	.blkw	N_8832+0
	.even
	.blkw	35.
	.blkw	[OFF4914+3]/2
1:	. = .+5.
	. = .+16.
	.blkw	N_3548+1
	.blkw	N_8832+1
	.even
	.blkw	27
	.blkw	OFF2063+1.
	.blkw	13
	.even
	.even
	.blkw	46	; the end
	.blkw	13.
K4329	== 5221
	.blkw	SZ483+3
tb5194:	.blkw	22
	.blkw	[SZ4574+3]/2
	.blkw	SZ1408+2
V6774	= tb404-L8411
N_7018	= 24
7:	. = .+30
	.blkw	N_7018+0

	.blkw	[SZ483+3]/2
	. = .+17
ent7068:	. = .+18.
OFF9104	= 30
	.even
	.even
	.blkw	41
	.blkw	[OFF4914+3]/2
	.even
tb7140:	.blkw	13.
	.blkw	43
	.blkw	27
bf7987:	.blkw	34
	.even
	.blkw	35
m$8671:	. = .+5
	.blkw	17
	.blkw	[V6084+3]/2
x_3283:	.blkw	10.
	.blkw	45
2:	.blkw	23
sub8794:	. = .+7
	.blkw	[OFF2436+3]/2
	.text
	cmpb	r4,@x_6059
	cmp	@#ext393,r4
	jsr	r3,(r3)
ent5018:	bcs	5b
	.bss
	.blkw	15	; check 1f and 2b
	.even
	.blkw	SZ7248+2	; the end
	.blkw	V8954+4.
m$9798:	.blkw	OFF2436+0
	.blkw	20
	.blkw	37
	.blkw	[OFF8728+3]/2
	.blkw	37
sub7104:	. = .+29.
2:	.blkw	[SZ7248+3]/2
	.blkw	V6084+3	; a,b,c
	.blkw	35
tb9296:	.blkw	3.
	.blkw	27.
	.globl	tb740
	.blkw	SZ5227+2
	.blkw	9.
ent9673:	.blkw	16.
	.blkw	N_3548+0
	.blkw	42
	.even
OFF2469	== 75221
	.blkw	[V3672+3]/2
	.blkw	V3672+2
	.even
9:	.blkw	39.
	.blkw	2.
	.blkw	[K547+3]/2
	.blkw	36.
	.blkw	5
	.blkw	[N_6648+3]/2
sub2847:	.even
	. = .+20
	. = .+24.
9:	.blkw	34
	.blkw	13.
	.even
	.even
	.blkw	24	; check 1f and 2b
bf7922:	.blkw	2
	.blkw	[OFF2436+3]/2
	.blkw	OFF9047+2
	. = .+25.
	. = .+5
	.blkw	33
	.blkw	21.
	.blkw	[SZ5227+3]/2
	.even
	. = .+33
	.blkw	31.	; <odd> text
	.blkw	[SZ3707+3]/2
	.blkw	34.
m$6379:	.blkw	[OFF4914+3]/2
	.even
	.blkw	[OFF2436+3]/2
	.blkw	33
L2732:
	.even
	.blkw	N_8832+2
bf734:	sub6340:	.blkw	OFF6588+1
	.blkw	[N_3548+3]/2
	.blkw	V6084+3.
	.blkw	4
	.blkw	20
	.blkw	42
	.blkw	7
	.blkw	2
	. = .+5.
	.blkw	N_8832+4.
	.blkw	V6084+1	; @#x (r)+
	.blkw	26.
sub3181:	.blkw	[K9636+3]/2
	.data
	.byte	'Y	; @#x (r)+
L9059:	.even
sub3454:	.word	.
ent5977:	.byte	166, 257, 232, 41
bf9773:	"Ye
	.word	.
	.word	[lib5513+SZ1597]*2,L9059,ent6345
	.byte	141, 197., 140250, -85, '9, 30, 46
7:	.word	.+70.,bf5980,OFF2063
	.word	1525.,'y,-213,ent8258
	.byte	335, 185., -66, 37, ext4508+15, ent7496
8:	65427
	.word	"fc,lp9246-ent7647,'2
bf6627:	.byte	'9, 80., 'c, .+142	; @#x (r)+
	.word	bf9832-x_8227,ent1291


	.ascii	<\em\t9w>
3:	.word	.
	.even
	.word	.
lp5260:	.word	.
sub330:	7:	.word	tb9476
	.byte	304, 208., 36, 'Y, 153, 175., OFF9047
	.word	-109.,lib2809-7.,-61,lib2757+5,!140334
	.bss
	. = .+21.
	.blkw	[SZ3707+3]/2
	.blkw	[OFF4914+3]/2

5:	.blkw	27
lp1451:	.blkw	34
	. = .+3
	.even
	.blkw	26
	.even

	.even
	.blkw	SZ4574+3
	.blkw	OFF8728+4
	.even
	.blkw	3
	. = .+21
	.data
	sys_2579+5.
OFF1971	= sub3987-bf7471
	.byte	.+46, 195., 174, 121
	.word	110136
	[lib7301+K9636]*2
	.word	.
m$1166:	.word	L8205+15,bf9495,23598.,OFF8728,51420
	.even
L8949:	.byte	273, OFF2063\<0, V6084\<5, 226, 214.
L2560:	.word	m$451,[lp1055+V8121]*2
	.word	.+114.,10757
	.word	m$1825,K9636\<5,SZ3707,ext2159+23.
	<;}>

sub4873:	.ascii	<YclsmYnBc`r}\0>
	x_5302
	.word	.
	.ascii	<2z\\g,uX$>
	.word	SZ5227\<6	; mov r0,r1 here

	.ascii	<nq3=}1|\nx#l\n.Xb;?x>

L579:	.word	bf1700-15.,tb9112
	.word	-106.,L2045,tb9073,.+88.
	<tYA#Bu>
	.word	tb9073,sub6007,N_2997
	.byte	213., 47., 1, bf108-5, tb3280, 134, 31, 170
	.even
	.word	.
ent3008:	.byte	'Z, 141, '0, lp276-3, -2
	.word	120721,40163.,-131,ext5260-10.,[L8411+V6084]*2
	.word	m$5453,bf9219+7.,sub8346,tb5194,46529.
m$9705:	-43
tb9112:	.word	.
	.word	14933.,lp1425+12.,L3997,!55242,L8982+43
	.even
tb9073:	.word	sub7242-x_888,"dY,bf8569
	.ascii	<B<d&t4l7$h;7&;\s=%'ao>
L9188:	.even

	.word	ent3169-bf9176,'Z,bf2697+14,K1203,52383.
	ent9478
6:	r0
	.even
	.ascii	<f<Y_{0m/\09\>(_u_g#fybn>
	.word	m$5453,-167,lp7106

m$5453:	7:	.word	.
sub4613:	.word	66752,K6992	; mov r0,r1 here
	.text
4:	add	r0,-(r4)
	bit	@-(r4),-106(r4)
	negb	@(r5)+
	setf
	bis	-(r4),L8205(r4)

bf1700:	1:	stfps	@bf9307(r0)
	jsr	r4,@(r3)+
	setf
	bis	K8354,(r2)
3:	tstf	r1
	sxt	@ent9084-tb9476(r5)
	ash	(r0),r4
SZ5867	= ent4271+6
	xor	r4,@tb3677
1:	xor	r5,@-133(sp)	; <odd> text
	clrf	(r2)+
	bisb	@-142(r1),@r0
	neg	@-29.(r5)
	stfps	-(r5)
	stfps	fr0	; <odd> text
	mfps	(sp)+
	cmp	tb9476(r4),@(r1)+
9:
	.data
	.even

	.ascii	<>
bf6689:	.word	-77.,-264,[m$5471+N_6648]*2
	.word	20421,77213
	.ascii	<\e."hCAjBr"~318 e\q\0\0[|n~jp!>	; <odd> text
1:	.even
	x_4613
	.word	sub3318,.+156,tb3133+2,171337	; mov r0,r1 here
	.word	.+126,N_7018\<7
	.ascii	<v58|d~u7.kg-$_#4m'{th\sor>	; loop: again

	.word	m$6327,"ba,tb9805
sub5403:	tb7483:	.word	.

	.word	.
	26650

	.word	K6992
	.byte	-123, 47, 15, 260, 366
x_2146:	.word	lib5226+26,.+132,130250,tb5361,ext393	; check 1f and 2b
	.word	.
lp1425:	sub3119:	x_2364

sub4008:	.word	173653,bf3626,m$2860-lp6192,tb5761+16.,m$7642+46	; a,b,c
	.word	N_8832,42406,[x_8142+K6992]*2,tb1690,56108.
L8982:	.word	14140
	.byte	66, 152., 255, 34, 170, 43., -79, 'Y
	.word	.+130,bf2366,L5289,sys_1986
	.word	x_3310,OFF2063

	.word	x_3310+26
sub2399:	.word	K765,N_7018,-111.,sub4670
m$5379:	.word	OFF9047,157227,-173,m$6449+23	; check 1f and 2b
	.byte	27.	; the end
	.byte	6
	.word	.
	.bss
	.blkw	SZ7248+2
	.even
sub6007:	.blkw	33	; loop: again
	.blkw	31.
	.even
	. = .+15
	.blkw	17
N_5673	= [OFF4914+K3937]*3
6:	.blkw	[K547+3]/2
	.text
tb8163:	bicb	@r4,(r1)
	clrb	(r3)	; <odd> text

	.globl	L8205,sub3318,x_3310
	xor	sp,@bf9832-lp5193(r1)
	xor	r2,(sp)+
	bcc	lp276
	. = .+2.
	xor	r5,@#x_5299+10
	bis	132644(r3),SZ4574(sp)
	bge	x_7561
	wait
	bitb	@(r5)+,(r2)+
	asrb	@m$8051
	ble	1f
	bhi	6f
	rti
	mpy	@-(r4),r1


	.ascii	<\er<\s>
	jsr	r2,(r5)+
	movfi	fr3,sub1082+6(r2)
	ldfps	@-114(r4)
	.word	bf4226
	cmp	(r1),(r5)
	jsr	r2,@lib2809+47	; @#x (r)+
	bit	ext7687,@-133(r1)
m$9771:	bcc	0f
	.word	-104
	.globl	bf1894,ent4205,sys_1986
	bit	@r5,@-(r1)
	sxt	r5
	movb	@-75.(r5),@(K8354)+
	xor	r5,-21(r1)
	cmpb	(r2),@ext8447
bf9495:	.word	lp20
	bmi	tb745
	mul	#-41.,r4
	com	lib3895
	ble	8b	; <odd> text
lp7106:	asl	r5
	br	7f
	.word	[x_7284+K547]*2
	mul	@lp7026(r0+3),r1
	bicb	(r2),@-(r3)
	xor	r1,@(r1)+
	xor	r1,(r2)+
	bgt	0b
	sxt	.+2
	mtps	(r0)	; @#x (r)+
	ble	4b
bf2039:	mfps	@-(r4)
	bit	@-16.(r2),(r2)+	; a,b,c
L8205:
	mfps	'2(r2)

tb5761:	addf	fr1,fr0	; loop: again
lp276:	3:	cmp	r5,@135405	; the end
	bne	sub7547
	rts	r3
lp1952:	movb	@#'b,@-143(r0)
	[bf3626+SZ5227]*2
	tstf	-(r1)
	jsr	r1,r4
7:	xor	sp,@#tb6979
	sen
9:	rolb	-56.(r5)
L2045:	dec	@-59.(r3)
	.word	72224
lp7429::	divf	fr0,@#sub8173+35
	movif	fr1,fr3
9:	modf	fr4,fr0
SZ1160	== 3291.	; a,b,c
6:	movei	fr1,lp20
	.word	tb2481+30
sub4449:	aslb	@-(r3)	; @#x (r)+
	asl	sp
sub3318:
	.data
	.word	60010,-159.
	.word	.
	V8121\<2
tb7927:	.word	.
m$7445:	-41
	<ea}"\e0ghA\08B+x\q{-9m#=2r>
	.ascii	<w3dbAo-0k{}[>
	164717
	.ascii	<\0>
	<1&{Ypz\s@^(r=}.i]7/|rn4>	; a,b,c
	.word	x_6458+20,lp9400-2,.+104.,ent7068,75406
	.ascii	<a6h9X$)\tXh0\p{br mo7;:\rc[!6>
x_2364:	.word	-117,tb7927-15,K1203\<0,bf6098	; check 1f and 2b
	.word	.
	.text
tb2481::	rts	pc
x_6458:	rts	pc
lp20:	rts	pc	; the end
L5289:	rts	pc	; check 1f and 2b
tb745:	rts	pc	; a,b,c
bf6098:	rts	pc
sub4670:	rts	pc	; mov r0,r1 here
x_4613:	rts	pc
m$6449:	rts	pc
x_3310:	rts	pc
0:	halt
1:	halt
2:	halt
3:	halt
4:	halt	; the end
5:	halt
6:	halt
7:	halt	; loop: again
8:	halt
9:	halt	; mov r0,r1 here
