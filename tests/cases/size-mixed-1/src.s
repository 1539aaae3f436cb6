; mixed program: instructions, data and labels in three segments
	.globl	sys_6646, lib4149, sys_2184, lib3201, ext2622, ext9371
	.comm	com574,422
	.comm	com382,302
	.comm	com7959,94.
SZ2156	== 101534
OFF1437	= bf1344+6.
V8711	= 5.
SZ5451	= V8711\<3
K2378	== 63910.
SZ9494	= m$7018+2
	mov	latereg,r0
latereg	= r2
	mov	latereg,r1
counterlabel:	inc	counterl_other
eightchr:	dec	eightchrs_too	; the same symbol
	com	@(r3)
	.word	eightchr+11.
8:	clrf	@r5
	jsr	r0,(r5)	; <odd> text
	mul	@eightchr+12(r3),r1
	movfi	fr3,(r0+0)+
	. = .+14
	ash	@(r1)+,r2
	mov	r2,@(r1)
	movfo	fr2,-62.(r2)

	bcc	8b
	mov	r1,-(r0)
	bes	lib8729
	movfi	fr1,r2
tb937:	sub4328:	asr	@(r4)	; loop: again
	xor	r3,-(sp)
	sub	ext42(r4),@112535(r5)
7:	add	@sub4328(r1),@sp
	sbcb	(sp)+
	blt	sub4328
	bicb	@-12(r2),@V8711
	negb	-61.(r3)
	clc
	asl	@r3
V4009	== 36886.	; <odd> text
N_2917	= m$8958+8.
	sxt	(r3)+
	clv
	.bss
	.blkw	[SZ5451+3]/2	; loop: again
	.blkw	4
	.blkw	SZ5451+4
	.even
	.blkw	[SZ5451+3]/2
	.blkw	32
	.blkw	[V8711+3]/2
7:	.blkw	20.
0:	.blkw	[V8711+3]/2
8:	.blkw	24.
	. = .+0
	. = .+22
	.blkw	V8711+1
	. = .+4
	.blkw	13.
x_5112:
	. = .+16
	.blkw	36
	.blkw	[V8711+3]/2
	. = .+10
L1721:	.blkw	[V8711+3]/2
	.even
	.blkw	41
	.blkw	34	; the end
sub4213:
	.blkw	SZ5451+0
	.blkw	24
x_4049:	.blkw	22.
	. = .+6
	.blkw	V8711+2
	.blkw	[V8711+3]/2	; the end
1:	.even
	.blkw	V8711+0
	.blkw	[SZ5451+3]/2	; loop: again
	.blkw	32.
	.blkw	V8711+3
	.even
m$9122:	.blkw	[SZ5451+3]/2
	.blkw	SZ5451+1
	.blkw	[SZ5451+3]/2
tb9939:	.blkw	6
	.even
	.even
	.blkw	SZ5451+4
	.even
	.blkw	22	; <odd> text
m$7018:	.blkw	V8711+4
	.blkw	6

x_4525:	.blkw	[V8711+3]/2
	.even
	.blkw	21
	.text
	xor	r0,16574(r4)	; a,b,c
	div	x_5112+34,r2	; @#x (r)+
	bes	m$2434
	sbc	-(r0)
	bhis	1b
	mul	@.+44,r0
	bicb	@-149.,@23324
	jsr	r1+0,ext2291-2
	add	@(r2)+,r4
SZ2620	= 9.
	bis	#ext6655,@r2
	jsr	r0,@#tb418
	add	-(r0),@#V8711\<4
	mov	r5,'x(r3)
	mov	r0,@-130(r4)
	mov	sp,-49.(r1+0)
tb418:	bic	(r2+3)+,(sp)	; a,b,c
ent5564:	sxt	@-(r2)
	cmp	@sp,@#28611.
	comb	@(sp)+
	.ascii	<cte0u[/\pw~6}qu}vl\pq$>
	bicb	@-53(r3),@(r1)
	movof	@#sub4213+13,fr0
	br	.+24
	mul	m$9122,r4	; check 1f and 2b
	cmp	m$5830,(r4)
	inc	@#lib6529-2
	ashc	(r3)+,r2	; the end
	bic	r0,@r1
	bit	@(r3),r0
	sbcb	-53(r0)	; check 1f and 2b
m$4778:	SZ2620
m$4895:	m$5748:	movie	r5,fr2
	xor	r1,12141
0:	clz
	mov	31080.,ext5169
	jsr	r3,(r5)+
4:	mov	r2,@r0
	xor	r0,r0
	clr	@-(sp)
	mov	r3,-23.(sp)
	cmpf	fr2,fr3
	mark	10
	blos	m$7018
ent5057:	cmpb	@-201(sp),@(r5)+
	jsr	sp,@(r0)+
tb8993:	movb	@#65242,(r4)
SZ8743	= m$2002+4.
lp2534::	asrb	ent6728+14.(r5)
tb642:	dec	@(r3)
	add	#SZ2620\<7,@[counterl+SZ2620]*2
	bitb	(r1),(r4)+
	bcc	m$4778	; @#x (r)+
m$1945:	subf	fr0,@137315
	bgt	sub4328
	counterl
	bisb	lib1138(r0),@-1.(r2)	; a,b,c
6:	bis	r0,-23(r0)
	rolb	x_510+0
	bitb	(sp),(r1)+
	movfi	fr3,@#sub2402
1:	inc	@-35(r0+2)
	jsr	sp,-(r2)
	incb	-77(r1)
	.bss
	. = .+23
	.even
	.blkw	22
	.blkw	SZ5451+2.
	.even
	.blkw	26
	.blkw	[V8711+3]/2
x_8596::	.blkw	V8711+4
	.blkw	21.
	.even
	.blkw	16

	. = .+33
ent4761:	.blkw	[SZ5451+3]/2
	.blkw	44
	.blkw	33
	.blkw	SZ2620+0	; mov r0,r1 here
lp3633:	.even
ent6728:	.blkw	[SZ5451+3]/2
	.even
1:	.blkw	[SZ2620+3]/2
	.blkw	45
bf9274:	.blkw	34	; check 1f and 2b
	.blkw	19.
L6596:	.blkw	SZ5451+0
	.blkw	26.
	.blkw	20.
	.blkw	[SZ5451+3]/2
	.data
	r1
x_510:	9:	.word	m$6086,m$5748
	.word	SZ5451\<0
	.word	.
0:	.byte	lp1538, SZ2620\<6, 332, -82, 24, 40, 69.

	-277
bf1344:	.byte	211., 135, 50, '0, 351	; the end
	.word	.
	.byte	64, 46, -50, 'c, 'c
	.word	.	; a,b,c
L1442::	.word	.	; a,b,c
	.word	tb8993,-217
	.ascii	<}73io1{glA9ycry9/]t6%wavB >
	.word	SZ5451,ent5057
	.word	V8711,SZ5451,lp2534+7.,sys_2311,-175.
	.word	[lib3201+SZ5451]*2,V8711\<3
	.word	lp4419,.+150
	.word	m$9122,sub2485-17
	<@n6@|tv3\rj{"*d\\7B\nbn61[>
	.byte	115, 73, [m$4895+SZ2620]*2, 'c, 4.
	.byte	'X, 230, '9, -119, 175042
sub4902:	sys_2311-1.
	.ascii	<pZxBk6)*\q0&b2|hspob7j`5%\s.&|%>
	.ascii	<20{2tp{l6$7Y3Ad6\nZ>
	.globl	m$4895,sys_4796
ent4735:	<';\076-4s^@5vX{.*y6>
m$8958:	.byte	120
	.byte	181.

	.word	.
m$2434:	.byte	'b
m$1512:	3:	x_5112-13	; a,b,c
	.even
	.word	9320.,m$4778,ent4761
	.word	lp3633-2,'y,bf2442-12,tb2239-3	; mov r0,r1 here
	.byte	154., 212., -94, 172, 45., '0, 256
	.word	147155,eightchr,[m$2434+SZ5451]*2
	.byte	sub2402, -29, -121, 138., 96., 'X, 121	; loop: again
	.even
lp1734::	8:	.word	.
	.byte	75, 250, 53, '9, 122, SZ5451\<4
	.ascii	<oouC>
	.word	lp3633+20.,SZ5451,tb937-m$1945,.+22,SZ2620	; @#x (r)+
	.word	m$1945-m$4895,.+122,.+76,counterl
lp4419:	.even
	.byte	126., 18., 11, 175, -104, '9, 'a, 327
	.word	m$1945-tb642
	.word	V8711\<1
sub7766:	.ascii	<3B&;]\rx7-gq)6pY~\s1>
	!132322	; @#x (r)+
L5466:	.word	.

SZ6005	= lp2534-m$4778
	.byte	-10
	.byte	5286., 'c, 147
	.even
sub3455:	.byte	14.
	.word	L659,m$8958,"ff,SZ2620,'$
	.byte	261, 213, 361, 101, [L659+V8711]*2, 16., 123., 70	; a,b,c
L9052:	.ascii	<_{vw`l\st#>
	.ascii	<5\n3g\n3938`%Cje=m>
tb3714:	0:	.even
	.word	tb9939+1.,[m$7500+SZ6005]*2,x_8596+34,-33,x_8028-21	; the end
	.even
	sub4328-lp2534
	.word	'$,48982.,lp2534,-256,L1442	; <odd> text
	.word	SZ2620\<7,lib7998,!47467,m$5748+32.
V1295	= lp2534-sub4328
	.ascii	<n|r] 8>
	.ascii	<=\s<X4Y\s!\q\t\>)f<\p!#;\t8>
m$5830:	.ascii	<][)cp=Z#rve%ti'. ch.<>
	.word	67732,sys_1513+10,eightchr-m$4778
V9755	= 13
	V8711\<5

L5588:	.word	bf1344,lp3633,-34
	.even
	.ascii	<j qzx0X2ray?dZ>
	.ascii	<or8Z?>	; <odd> text
	.even
	.word	.	; mov r0,r1 here
m$2002:	.word	.
	.word	ext5668,'0,[bf8386+SZ5451]*2,[ext6655+V9755]*2
	.word	sub4902+14
	.byte	231., 'Y, 361, bf9274+34., 'c, 44, 'c, 67
	.byte	'0
m$6086:	.even
K2043	== 14507
	<3<?p,zgA@\0\pa\e|\e>
	.word	18.,ext2291+25,'a,'1
	.even
	SZ6005\<4
	.byte	110., 133, L5588, 172., 32., 196., 'X
sub2402:	m$9381
	sub4115	; @#x (r)+
	.even
	.word	74763,eightchr-m$1945
	.word	sys_7931+41
	.even
	.byte	bf4320-5, 44, 'Y, 366, -112, 336, -118, 22
	.byte	132410, 154, 'a	; mov r0,r1 here
L4331:	m$6183:	.word	m$7018-8.,59271.,SZ5451\<2
lp1538:
	.byte	167, -30, 112, 194.
	.word	.
	.ascii	<1>
bf4320:	.word	.
	.word	sub3334,SZ5451\<5,V8711,100043,bf8386+34	; @#x (r)+
	.byte	'b, lp6821+31., 230, 'a, 333, 'b
bf8386:	.ascii	<+k1ypo!CYtvv*pu\n+-:w`ng>
K5527	= m$5830-counterl	; <odd> text
1:	"Ze
	.word	.+24,.+34,3027,L3645,[sub3455+V9755]*2
sub2485:	lp2742:	.ascii	<88B-$ 2~70>
	m$7018
	.ascii	<7)9{>
K4848	= '9
OFF8510	= m$5748+7
bf8262:	.word	.	; <odd> text
lp986:	.byte	264	; @#x (r)+
	.byte	x_6371, sys_829, V8711\<4, V8711, ext8614-22, 128., 3., -10
	.word	bf4007
	<o) j*f!+e%>
	.ascii	<lg\pkY+]a\qA]:t>
	.ascii	<3u\tB\t5pk3z7:&bxm>
	.even
OFF9027	= 13
	.word	SZ6005,lp1538+30.,[sys_1908+SZ5451]*2
	.ascii	<<(le#d~bB+8ey(r>
	.byte	216., 371
OFF3674	= ent5057-m$4778
	<Bmvu X@$|:$]>
	.word	sub4213,V8711
	x_6371
sub4115:	.word	.
OFF1304	= SZ2620|SZ6005
	.byte	202, m$8958-2, 'a, 'a, -154.
	.ascii	<\>\s\>z3@&|b~Be<"5g5^--\n[\sv2bC(s>
	.byte	149., 170, x_1497, 100334, -53, 25., 28., 232
	.word	!140354
	.byte	168., 147, L1442+43, 171, 16, 6
	.word	SZ6005,sub1209,!127464,lp3633
V7339	= 53
6:	V8711\<6
	.word	.
	"dY
3:	[ext8614+SZ5451]*2
	<Yj4@\r\n5@b.(Bbp>
	.ascii	<t0a"1\n|0*5m-8bx}s$4=s&>
N_2147	= m$6183-ent5057
	.ascii	<.fBB==4~.e-$,Xa@p 9\e;#\>>
	<xX>
	.ascii	<rl=\nf}'5\n{m<;#.glnsp>

	[ext4333+SZ2620]*2
	.word	m$1945-tb937
	.ascii	<ncY7^\0:.7t9lsX{<&{j(a]>
sub9521:	.word	counterl-sub4328
	<&`{(s6v|<io)x%sX_ =>
	.ascii	<m k^gk|=\00br}1tl_<q\nhos39`fg>
	.byte	V9755\<0, 232, 'X, ext2622, m$8958, 226, 31.
	.word	V7339\<2,75575,tb937-m$1945
1:	lib1138+37
	.word	'c,ent1562,.+24.,120546,ext6655+16
	.word	bf8262,m$7018-17.,counterl-sub4328,x_6516,m$7018	; <odd> text
bf2442:	sys_2184+13
	'c
V3508	= [V9755+V8711]*3
	<`$ "o?v6t~>	; @#x (r)+
	.word	ent5057,572
	.even
	.word	OFF9027,'x,"ZY
ent1562:	6:	.byte	sub4213
	.word	bf4007,L1442,x_4525-10.
	.ascii	<k.1X0f/!p%~`af\n$\p?ch+{f=Z\>bu*>
	.word	x_6371-20,lib6529-6,eightchr-sub4328
	.word	.
	m$6086
	.ascii	<B\0b>
	.byte	53514, 174., V7339\<3, lib5365+12.
	.word	[lib3529+OFF9027]*2,[L6358+V9755]*2,-62,'1,OFF1304\<2
0:	.ascii	<m:Y.2`\>ur\t@2#^kcq>	; check 1f and 2b
	SZ6005\<2
	.word	16365.,ext8614
tb2239:	.byte	!41607, 372, 'c, 334, 185., 150
	.byte	197., 'X, 22
	.ascii	<w >
	.word	50117,.+54.,sub4213+36,'#,!17124
	.word	ext6907-17.,ent5057,53621.,counterl-23
	.word	ent6301-17.,141334,'a
	.word	SZ6005\<3,V7339\<3,-110,sub8008
	.word	ext42,ent6728,ext5668,sub3334,"df
	.ascii	<X"s\\6.p1wk>
sub3334:	.word	L4331-2,64133.,bf4320,sys_4796+3.,sub2402
OFF1522	= V7339\<2
x_8028:	<\p],'2#.f3:dC|/v;.s>
	lp1734
	.ascii	<`pt\p$B{va\n>
	.word	bf2874
	lp3633+27.	; @#x (r)+
	.word	-271,V9755\<3
	.word	.
	<>
	.word	x_6516-3	; loop: again
9:	<s]c,B2<#sC!Z~>
	SZ5451	; check 1f and 2b
	lp986-10
L6358:	x_1497:	.ascii	<(Bci#\r@cz_ztc/op;49\p/8>
	'z
	.word	.
	.word	.
	.byte	166, 76, 337
	.word	m$5022
	.word	.
L659:	lp3213+41
	[lp1734+V7339]*2
	.word	-277,.+72,26632,15316,ent6728
N_380	= ent5564-tb937	; the end
lp219:	.word	x_8596,134416
	.byte	171, 53, 'c, -14, 'Z
SZ3782	== 141442
	.word	lp2534-m$5748,60464,V7339\<0,126625,!63346.
lp9935:	.word	117154,sub5208,m$9381,47137.,lp3633

	[sys_6460+V3508]*2
	.ascii	<9\p)x\tZ'&g9-\n<Cfl#x]bf>	; @#x (r)+
sub5793:	.word	!21207
	.byte	-52, 38.	; @#x (r)+
	lp2534-20
	.word	.
	.ascii	<e9,>
	.ascii	<C9`|]w\ps]\p_a2\q-A>
lp6821:	.word	sys_2753,OFF1304,.+48.,'$,42505
	.word	tb642,lp7684,152465
	.word	bf4007,OFF1304,SZ6005,ext9371+4
K1983	= r1+0
2:	.ascii	<46.j_v5]1+}!\tC\snebvBh>
	.ascii	<]g%An4Zy\e_{&@f\n 4Ae+}yt'tn>
	<w)_4)p05q%]Xf8z}@>

	.byte	17.
	.byte	117, !127762, 25663, 12, x_4773-17
	.word	!105755
4:	r2	; <odd> text
3:
m$7500:	L155:	.ascii	<l7y\e"fn"Bv@yds`{`>
m$9381:	.byte	-5, 182., 'b, 271, 'c, 'Z, -48, 331

	lp3213
	.even
	.word	sub2485,OFF1304
	.text
	sub	-(r1),(r2)+
	ashc	-(r2),r1	; the end
	movb	@r5,-110(sp)
	movf	fr3,@sp
	div	-52(r3),r1
	movof	r3,fr2
	blos	lib1138
	cmpb	(r2)+,(r1)
sub8008:	bne	tb937	; mov r0,r1 here
	emt	37.
	swab	@-(K1983)
	.ascii	<[\rC1z2A9=x#q1a"4`\>vy>
	bit	(sp),@76637
	addf	#sub4115+15,fr0	; a,b,c
	movei	fr0,-(sp)
	bvs	.+12.
	dec	@sp
sub1209:	4:	sxt	@r0
7:	.ascii	</?'=b\eZ=h5a`i\0ffBrw;\pZX=w>
	.even
0:	bgt	1b
	sob	r4,sub9521
	sob	K1983,sub5208
	bitb	-(r5),-(r1)
	incb	m$6183+27.
	bisb	(r5),(r3)+
	wait
	mov	sp,-54.
	m$4778+36
	asl	V9755(r3)
	bge	m$4778
	ashc	@(r1)+,r1
x_3098:	movb	@-46.(sp),@(r4)	; a,b,c

	sub	-130(r0),@(r5)+	; <odd> text
	bisb	@(r2),@r0
	subf	r4,fr2	; a,b,c
	bic	ext2291,sub8008(r5)
	bne	.+26
	cmpb	-(r0),r5
8:	mov	-27(r5),(r2)
	. = .+12.
	bisb	@#-141.,@(r4)
	movie	fr3,fr0
	cmp	-12(r0),@-13.(r5)
	add	@(r5)+,@lp3633+1(r1)
	.word	!48013.
	ash	@-(r3),r2
K2536	= ent5564-tb937
	stfps	fr5
	cmp	#41143,@-(r4)
	.ascii	< w*az.*5f=1q!sC+w\n"Y\e/v\0#bYn>
	movof	@#V9755\<5,fr1
ent6301:	bvs	9b
	divf	fr0,fr3
	sub	@V3508,@lp8879(r3)
	bcc	1b
	addf	@(sp)+,fr3
	add	@(r3)+,@-140(r0)
	bpl	L5466
	tstb	@(r0)
	.data
	.byte	357
	.word	.+52,sub2485,29406.,-271,ext1155-5.
	.ascii	<Yi3:oe51i5\tc6_ \e\eb*./qB1/&>
lp3213:	.word	102051,tb2239,sys_4796+3,.+2
	.ascii	<\qY*?\pBawz| m5/[d:[>
	.word	!57862.,OFF3674,V3508
	.ascii	<\e#\p8\0 jtx|r"&(qlr@A>
	.even
	.byte	[m$7500+SZ6005]*2
bf4007:	ent2314:	<>
x_6516:	.ascii	<\0_2dhh9h\rb\e)b~\qov\s052>
	.word	SZ6005\<6,L3645-15,SZ2620\<0
	.ascii	<`4+ jq^g~\t?a_C[Yi}l$n>
	.even
	.word	"XX
L3645:	.word	.
	.word	ent2314+32,V9755\<3,x_5112+47
x_4773:	<%~\08=8\eA/j7dstes9\\7%atn]5>
	.byte	tb2705-12, 250, '0, 66., 174
K7477	= 33
	.even
x_6371::	.word	.+74
	.word	K7477,SZ5451\<5,sub7539,sys_9952+11.
	.word	.
	.byte	244., 'Y, 'a, 344, 'Y
	.word	lp1734
V3774	= m$7018+bf4320
	.word	.
sub5208:	.word	26662,-142,59088.
	<so'_46>
	.word	41553
	.word	x_5526+26.,x_3088+3
	.byte	'c, 255, 'a	; <odd> text
	V7339\<6
	.even
	<3[)q;&'t8#lsom#i:_aC\ry'";nw:<>
lp7684:	lp8879:	1:	.byte	-161, 29., 197., 244., 202, 57, 253., 192.
	.+150
bf6414:	.even
	.word	'1,55571
	.word	m$4895-tb937,tb6811,ext6730,K7477\<2,-73.	; the end
	.word	.
tb6811:	K7477
	ent3814+1
bf136:	.word	.+22.,OFF9027,bf7817+35,tb8993-counterl
	.byte	62
	.word	lp7938	; a,b,c
	.byte	370, 238.
	.word	.
	SZ5451
	.word	.
	.word	.
	.word	SZ2620\<3
	.even
	.word	V3508\<5,141516,lib8729+30,ent6301-1
	.word	[sub8008+K7477]*2,103722
	.word	64247
	.byte	46., 47375
	.text
	emt	116
	movfi	fr1,r0
	bgt	L3775	; @#x (r)+
lp8704:	m$5022:	bit	@r2,(r2)+
	sez
	bit	x_510(r3),@(r1)
bf2874:	x_3088:	bgt	L5588
	rtt	; mov r0,r1 here
	movb	sp,@x_5526+27(r1)
	mov	-(r5),-104(r4)
lp9916:	movb	ext2291+20.,"bc
lp3585:	adcb	@-34(sp)
	bis	@-25.(r1),r4
bf8737:	x_5526:	bit	@#V9755,(r5)
	bvs	6b
	mark	120
	bpt
	mov	K1983,@(r4)+
	bmi	lib5365
	bitb	@-101(r3),@-(r5)
	.word	x_3507
	blo	1f	; <odd> text

	movfi	fr1,SZ6005
lp1754:	rts	r1	; mov r0,r1 here

	bicb	@sp,@OFF1304
	asl	@bf4007+38.(r4)
1:	cmpf	fr0,fr4
L3775:	com	r5	; loop: again
8:	emt	lib8729
	.word	tb8950	; a,b,c
	aslb	-41(sp)
	.globl	ext9371,m$6086,bf2442
	jsr	r3,OFF3674(r1)
	bne	9b
	adcb	@r2
lp7938:	swab	6041
	sys	!16451.
	rti
	cmpb	r4,@-(r3)	; loop: again
	sbc	lib3529(r0)
	.ascii	<-{r\t_s:>
	.even
	.ascii	<"foeAbb+iZl>
	.even
bf3194:	decb	(r1)+	; @#x (r)+
	neg	bf9795
	bis	OFF3674(r4),(r3)
	als	@r4,r1
ent9096:	emt	233.
	movif	fr2,@r2
	mul	-131(r0),r4	; <odd> text
	modf	fr3,@lp6821
	absf	@(r5)
ent2187:	clr	@L6273+37.
	jsr	r5,(r0)
	swab	@#!101700
	setf
	decb	@bf7817	; a,b,c
	.word	lib4149
	bvc	x_4258
	bicb	ent6301-tb937(r3),m$9381(r2)
	rolb	@r1
m$3528:	comb	(r4)
	rti
	beq	tb418
	br	3f
	inc	@17327(r0)
sub7539:	8:	movfi	fr2,(sp)+
	.data
	.byte	43230, 364, 219., -31
	.ascii	<;#n>	; a,b,c
	.ascii	<^peZ_oyzb>
	.word	25602.
0:	.ascii	<\sq^\tc>
L1492:	9:	.ascii	<uh@\scX(h!$gd9?tkY][Zg>
4:	.word	lp1754
x_3507:
	.ascii	<z "{bi4acB\0>	; mov r0,r1 here
	.ascii	<y\sujer)lu4zn qde"hg[6,Z\sYw>
	<~B^3'8hw1Zf>	; <odd> text
	.byte	-64, 346, 117., -94	; the end
	.ascii	<\r;"),&iz0,Yn9\0zv7\\lap5uw\s\>Ac>
	.byte	-3, -108, 35, 131, 80., 332, 'Z, 130
	.ascii	<=f! .y22) @7h]:-#\n>
	.byte	'b, 25, 145., 'X
	.word	OFF1304\<3,sys_6646+19.,V9755,25123
	.word	144365,m$7500-5.,.+6,V8711
	.word	150272,lp9916-7,ext6907
lp2609:	.word	bf5899,tb937
	.byte	157, 153, 366, 127
	.ascii	<lx\\ tkz\p>
	<ru[/wXs?Y)??t+5*} pw\emcmdkX.>
	.word	V9755,63746,bf136,lp219,[m$9122+K7477]*2
	[bf9795+K7477]*2
	.even
	.even
	.byte	303, 20., 'a, 144
	.byte	'a, 361	; the end
ent3814:	.byte	-79, sub7539-3, -84, '+, 12121
	.word	!171071,lp8328-1,40644,"eY
	.word	sub7766+24,x_972
	.ascii	<:\t5Bwk>
	<% ">
	.even
7:	.byte	x_8596, 360, -36, -124, 160, 200	; @#x (r)+
tb2705:	<d qvcx&eqYr^1o'<:Y_"w{a4.>
	.byte	'X, 177., 21, 31, lp4112-11, -69., lp7463, -130
	.even
	.ascii	<\tCw9t*mi\phkA1\eX \\$6w\nfq c'>
	.ascii	<zk>
	.byte	240, 10, '0
	.word	.
	.ascii	<p\pkd.kx(\tB# \>%,;l>
	.word	m$4895
x_6320:	.byte	-96, lp8879, '+, 157
	.byte	"ce, 356, -56
	r1
	14775.	; check 1f and 2b
	.byte	201, -121, 260, 153, 154, -116, 'c, 377
	.word	ent9368,sub4115,x_3098+13,'#,SZ5451
	.byte	lp7938, 98.
	.even
	.word	OFF9027,lp2776-15.,lib7998
	.word	.
	.word	157724
	.word	L4854+16,L6358,m$2434,.+46
2:	.byte	76542, x_4542, 23, 145
	.ascii	< >
lp8328:	m$8307+1.


	lib3529-14
	.ascii	<l)"xt4>
	sys_1513
	.ascii	<,/f\n&5am<B^o\s?\r"5{B>
	.word	.	; check 1f and 2b

	.word	lib2129-19.,[sub7154+SZ5451]*2,V9755,OFF3674\<3
	.word	.
bf7817:	.ascii	<pipla>	; check 1f and 2b
	.word	-47,.+2,-174,-251
	ent5209+0
	.ascii	<_,l3Y|o08Y}XBe&d9YdYujx$B)u^>
	.byte	'Z, 337, 362, 'a
	.word	.+36,[sys_2184+SZ5451]*2,36675.,'c,m$1945
	.even
7:	.ascii	<Yur"yz)\t\0?}~mi\q,A;>
	.byte	311, 136., 'c, 175., -115, 168., lib4149	; mov r0,r1 here
	.ascii	<u\>ft\r\t"<rrkjyY%7=^y`o<8a_>
	.word	27106,tb8993,SZ2620,!62452,112074
V803	== 21394.
	.byte	lp4419, 'c, 225, '9, -122, tb8950+45, 'Y
	m$4778-lp7938
	.byte	217, 354, '0
	.word	47650
	.byte	23376, 96., '0	; @#x (r)+
	.byte	'Z, 251, L5245+45, 321, 155
5:	bf9795
L5245:	.ascii	<[q{k23Z&y~[X]^x9]b=)>
K8882	= x_3088-lp9916	; the end
	.word	-3,132040	; loop: again
	.byte	327
	.word	1331
	.word	x_972
	.byte	'+, 53.
	<h%u/,j \t#|kg:1:Y%e>
	r2
	<;6d(bl}>
tb1631::	1:	.ascii	<8?"0oqj"0tc?i,o8Bfle"=6>
x_4542:	<q9%1,?yn]nf/*7k(]:'nC'~Xe>
	.even
	.even
	.word	'1,175267,SZ2620
	.even
	.word	ext6907	; @#x (r)+

	.byte	143., 190., 25.
	.byte	'Y, lp8328-15, 173, 'X
	.byte	0, '9, 189., 'c, 45, 15., 131120, -107
9:	r4
lp7463:	.byte	74., 'c, 227, 'a, 174., 100, eightchr-ent5564, 125

	.byte	107
lp2776:	.word	bf136-14.,lib6186,L4331,!51453,!31600
	.ascii	<^m$gCuYd\q>
	.byte	-77, '0, 'Z, m$6086
OFF7186	= r2+1
1:	"ff
	.word	.
tb3007:	.word	V8711\<4,64346.,ent2187-bf8737,ext6907,x_4258+18.	; loop: again
	.ascii	<w0nnx&Yp?z\ts{|h(jYbB!?%\pzyc>	; <odd> text
	.word	ext9371-4,V3508,'$,153737
	-193.
N_128	= r3+2	; <odd> text
	.even
	OFF3674
lp9727:	.byte	207., 212, 'a, 127	; @#x (r)+
	r3
	.word	.
	.ascii	< )\q\p[g~8?1,-v|=^ ($Amll[ bk@*>
m$8307:	.word	!18596.	; <odd> text
	.byte	177
	sub1209-lp8704
x_4258:	.word	.
	.word	.
	.byte	49., -27, 213., '0
tb9481:	.word	tb9481,[lp3633+SZ6005]*2,ext5668
	.ascii	<*utayinb{>
	.word	.
tb8950:	8:	lp4112
	.ascii	<|oj:Zfxo.j\0mX* ~>
	<2]"*tra+%v\\894_gZlc2*70+>
bf5899:	6:	.byte	154.
bf9795:	.even
	.ascii	<2o!dz\suweXbympq0>
	.byte	225, OFF3674\<0
ent5209:	.byte	'c, 115., '9, 342, 'X, 'c, 204
	.ascii	<+`Xh\tt)?\t73k%x\p2xvu\n"cX{@\n,,>
	.even
	.word	ent1562-5,tb6114-4,35054.,sys_829,63103
	.byte	lib3529, 55593., SZ5451
tb620::	.ascii	<\\w>	; the end
	.ascii	<BB{39l{uB$4!'2_qn96x%#g>
	.byte	.+126, -119, '+, 43727, 148.
	<XC')\s)\t'[#ji,c>
3:	.byte	99., lp2997+7., x_3693

	.word	12507
	.word	.
x_4938:	.word	L659,-225,m$4778,V7339\<2,[tb111+SZ6005]*2	; loop: again
8:	.word	lp3633+6
	.word	[lib3529+SZ6005]*2,[lp2997+K7477]*2,[tb9961+V9755]*2
	.word	.
	.word	.
	.word	.
	.ascii	<7<)\t5n6:@6">	; a,b,c
	<{f g>
	.ascii	<*b)Z:d[he3&`e"*|p3b%\p;?r_k>
	.word	.
	.even
	.word	V3508,lib6529-22,!52892.
	.byte	246, 'b, 153, 'a, 221, 'Z, 111
	.ascii	<^d(%'zftt:c1qYs;~>	; loop: again
	.even
	<q4\sX>
	.byte	161, 251
	ext2291-15
	.word	SZ5451	; mov r0,r1 here
	.word	x_972+10,x_5526+23,[tb6989+OFF3674]*2,'a,'y
	.word	L155-10,lib6529
	.byte	81.
V3977	= .+6
m$751:	3:	.byte	63, 164, -26, .+114, -74, 355, lib6529+22, sys_7931+10
	.word	lib2876,ent2187,bf7817,tb6989
bf5037:	.even
	.word	70353
L6273:	.word	.	; check 1f and 2b
x_1596:	.ascii	<miA4%4%p$:.x*Xyi&b\eum>
	.word	tb9961,L1721+31.,lp8328,134671,bf5899-10
	.word	.
	m$3572	; check 1f and 2b
	.byte	18., x_8028, 'c, 106., 250, '9
	.byte	335, OFF1304\<1, 263, 11, 42.
bf1285:	8:	</1f'CBvy.qdAY*dl5C7->
	.byte	7, 3
	.word	sub1380,5420.
	.byte	331, '9, 301, 'b, 124., sub8008-ent5057, sub1209-22, 135
	.ascii	<am6(1cz\r6dez8\e"v{Aq[$k1^\pY>
	.ascii	<,z64<7\qha/hm>
5:	.word	ext6655,x_2841
sub7154:	.even
	.word	tb9481-22
	.ascii	<;r=q1\r--e`B+58@zdu`k_Cb>
	.ascii	<a5Cp~:f\qi?0(etz,>
	.even

L4854:	.byte	233., 210, 350, 361, -107, -60, 306
	.word	bf2442,x_6371,V3508\<4
	.byte	240, 150, -75, '+, 114, tb2503
tb46:	.ascii	<o<:1Ao(X28md>	; the end
	.byte	157., ent4761, 'a, 58933., SZ5451, 7
	.byte	30, -95, -89, 'b, 374, 142, 123., 2229.
	ent9096-lp9916	; a,b,c
	.word	sys_2311	; mov r0,r1 here
	.byte	225, 241., lp2997, sub7154, 177., 239., 230.
1:	.byte	'+	; a,b,c

tb111:	.ascii	<.y\qnX#[|:mdY[hi;'(i>
0:	.word	lp3213+33,bf5037,V3508,bf1285-23,sub4328-m$3528	; a,b,c
2:	r4
7:	14435.
x_972:	.byte	53677., 'Z, 10., counterl-bf2874, !120100
	.ascii	<>
	.text
	jsr	r3,!39045.
	rti
	subf	@(r2),fr3
	mov	@(r1)+,@-45(r4)
	bitb	@r3,(r4)+
	mov	r0,@.+20(K1983)

	movei	fr0,(r3)+
	xor	r2,@V3508(r5)
	asr	sp
	bitb	@(r5),L921+35
	.word	"cd
8:	bpl	7b
	decb	@x_3098+27.(r5)	; loop: again
	sub	@-112(r2),(r3)+
	clz
	aslb	r2
	sub	@(r0),L6358(r1)
	rol	@ent5564(r5)
lp4112:	rts	r3
	.globl	ent9368
	sen	; <odd> text
	xor	r1,@(r1)+
	.word	16255.
V829	= ent5057-ent2187

	rol	@x_4258
ent9368:	ble	m$479
	rts	r1
lp2796:	nop
	sub	@-(r2),16630
L8127:	sbcb	@r2	; a,b,c
	jsr	K1983,(r1)+
sub1380:	movei	fr2,(sp)+
	halt
	movb	sub1209,@V9755(r4)
tb6114:	jsr	sp,@L9052(r1)	; mov r0,r1 here
x_3693:	sob	r1,6f
	jsr	r1,@#sub1209-L3775
	movb	@-112(r1),(r0)
m$3572:	1:	jsr	r2,@-(sp)	; a,b,c
	movof	fr0,fr1
	.bss
	.blkw	5.
N_4297	= r4+1
	.blkw	[K7477+3]/2	; check 1f and 2b
	.blkw	5
	.even
	.blkw	31
	. = .+14.
	.blkw	OFF3674+0.
	.even
7:	.blkw	K7477+3.	; a,b,c
	. = .+13
	.even
m$479:	.blkw	31
tb9961:
tb6989:	sub2621:	.blkw	7
	.even
4:	.blkw	V7339+1
ent1616:	.blkw	14
	.even
	.blkw	7
	.blkw	14
	.even
	.blkw	4
	. = .+20
	.blkw	5
4:	.blkw	20	; <odd> text
	.even
	.blkw	[SZ6005+3]/2
	.blkw	16.
m$8404:
	.blkw	23.
	.blkw	30.	; mov r0,r1 here
	.globl	ent1166,sub1502,lib6186
	.even
	. = .+24.
6:	.blkw	[OFF9027+3]/2
	. = .+23
	.blkw	V8711+0
	.blkw	SZ2620+0	; mov r0,r1 here
	.blkw	V3508+2
	.blkw	V3508+0
sub772:	.blkw	45	; a,b,c
	.blkw	SZ5451+3
	.blkw	[SZ2620+3]/2
	.blkw	[OFF1304+3]/2

	.blkw	[SZ6005+3]/2	; @#x (r)+
	.blkw	OFF1304+3
x_2841:	.blkw	30
tb2503:	.blkw	V8711+1
	.blkw	14
	.blkw	16
	.blkw	SZ6005+0	; the end
	.blkw	SZ2620+3
	.even
	.blkw	K7477+1.
ent4857:	. = .+12
	.blkw	31
	.blkw	27
	.blkw	23
lp2997:	.blkw	16
	.even
	. = .+25
ent3348:	7:	.blkw	K7477+2
lp2590:	.blkw	7
	.blkw	V9755+2.
	.blkw	17
	.even
	.even
	.blkw	[SZ2620+3]/2
	.blkw	V9755+1.
	.even
	.even
	.blkw	26.
SZ2677	= 18.
	.data
5:	lp2534-counterl
	.ascii	<5\q%|b!*Cb{>
OFF4997	= lp3213-lp3585
bf5210:	.word	.+166	; the end
	.word	bf9274,"Ya,tb8993-m$5748,-90.
	<y-/>
7:	.byte	36, 313, 152., m$1736-4., 'c, SZ6005\<7, -100
	.word	OFF3674\<5,m$1343,45252.,lp9935	; <odd> text
V3724	= m$4778-m$1945
	bf9716-23
L4196:	.byte	'Y, 25, -18, 320, -65
	.word	[m$5022+OFF9027]*2,[ext8614+V7339]*2,L522,m$3572+17,.+66
ent2024:
	.ascii	<`yYu0wy?Y&`kX>
	.ascii	<oq},lk#%t+7('1#d9y,y4s>
L8349:
8:	.word	lp4186,lib1138+44,ent1562,lp7463-22
tb9967:	.word	sys_2753,[sub5208+V3508]*2,tb620+16.
	.byte	-68, 264, 'Y, 75, '9, 39740., 'a, 100
	.word	sub5208,137507,ent3385,sub8008-lp7938

	.byte	14354, 120, 353, -2, 257

	.byte	K7477, 'Y, '0, 127, L5466-9., [ext9371+OFF1304]*2, 'b
	111337
	.text
	inc	@-44(sp)
	mov	r1,(r3)+
sub1502:	add	-126(r1),@(sp)
	.ascii	<\0$)q+:|&a"avs+t'A\>0>	; the end
	.even
	adcb	'0
tb7766:	sob	r1,sub2287
	rtt
	mov	(r2),@#m$6086+7
L921:	movei	fr0,r2
	add	@#sub2402,@(r3)+
	alsc	-(sp),r0
ent1976:	sub	@bf4554-2.,@[ext6730+V9755]*2
	bic	r2,-(r1)
	adcb	@(r2)
ent1166:	bis	#ent2024,@(r0)
8:	bvs	lib5365
	rolb	@-(r0)
	clc
	.globl	tb642,tb46,lib4149
	cmpb	@x_510,@-22(r1)
V1612	== 3245
OFF9337	= 55
	blt	lib3201
	sen
	blos	4b	; the end
OFF6401	= 22
	.ascii	<k>	; a,b,c
	.even
	mulf	.+24(r1),fr2
	bhis	0b
L9793:	cmp	(r4),@(r3)
4:
	jsr	r4,!157600
	subf	fr1,@[ext6730+OFF1304]*2(r0)
	emt	50
x_8186:	bec	1b
	movif	fr4,fr3
	dvd	@-(r5),r0
2:	sob	r3,9f
	jsr	r1,K1983
K3779	= bf4359+7
	cmp	'9,@OFF9027\<2(r0)	; loop: again
	bgt	tb8993
	mov	r1,(r2)+

	jsr	sp,@-62(r5)
	rts	r5
	cmpb	@(r3),@(r4)+
	bvs	.+32
	[bf9716+OFF3674]*2
	cln
	bec	1f
	clv
V7977	= OFF9337-V3508
	emt	374
	bne	sub9156
L1795:	bit	@r4,sp
L9005:	sub9156:	jsr	r3+0,@L9793+22
K4884	= OFF9337\<4
	bis	#'b,@(sp)+
	movif	fr1,-40(r0)
	mulf	-40.(r0),fr1
K3595	== 126341
	sbcb	-12(r2)	; a,b,c
bf2710:	div	@(r0)+,r2
	sbcb	-(r4)	; a,b,c
	bisb	(r0),@#24926.
	add	@(r3),@m$1343-10.
	bit	-(r5),@(r1)
4:	movb	-36(r0),@-(r4)
	sys	bf4554-13
lp4186:	iot

	ashc	@(r0),r0
	bes	ext2622
	bne	1f
	setl
	bit	@V8711(sp),@40644(r3)
	trap	10
	.word	ent3385	; loop: again

	bisb	@#V3508,@116463(r2)
	neg	@(r5)
	bge	6b
	. = .+6.
	cmp	(r0)+,@(r1)+
bf9716:	jsr	r0,@(r0)
	bis	@(r1),21187.(sp)	; mov r0,r1 here

	bicb	(r0)+,r3
	jsr	r2,(r0)
	bhi	ent3385
	[m$4895+SZ6005]*2
tb8115:	ldfps	fr4	; mov r0,r1 here
	.bss
	.even
	.blkw	[OFF1304+3]/2
	.blkw	[V3508+3]/2
	.blkw	SZ2620+2
	.blkw	7	; <odd> text
	.blkw	OFF6401+0
m$4231:	.blkw	4.
	.blkw	30

	.blkw	1
	. = .+26
	.blkw	OFF3674+1
	.blkw	7.
	.blkw	15
	. = .+1
	.blkw	35.
	.blkw	[K7477+3]/2
	.blkw	[V9755+3]/2

	.blkw	SZ2677+0	; <odd> text
	. = .+24

	.blkw	16
	.even
	.even
	.blkw	[OFF3674+3]/2
	. = .+27


	.blkw	28.
	.blkw	41
tb8654:	.blkw	20.
	.blkw	26.
	.blkw	31
	.blkw	32.
	.blkw	2
	.blkw	35.
	.blkw	16.
3:	.blkw	19.
	.even
K9399	== 51912.
	.blkw	OFF9027+0	; @#x (r)+
	.blkw	[SZ6005+3]/2
1:	.blkw	SZ5451+0
	.blkw	43
	.even
0:	.blkw	[SZ6005+3]/2
	.text
	inc	r5	; check 1f and 2b
	bec	sub5208
tb8418:
	.word	sys_9952-22
	clrf	fr0
bf1944:	mark	105	; a,b,c
	bpl	5b
	.bss
L769:	.blkw	SZ5451+1
lp3901:	.blkw	31
	.blkw	SZ6005+0
V3546	= eightchr+12
	.blkw	OFF9027+2
	. = .+13
	.blkw	37
	.blkw	0.
	. = .+2
	.blkw	37
	.blkw	[V8711+3]/2
bf981:	.blkw	33	; a,b,c
	.blkw	39.
	.blkw	23
OFF6815	= OFF9027-V8711	; a,b,c
	.blkw	34
	.blkw	V3508+2.	; the end
	. = .+1
L522:	.blkw	OFF6815+3.
	.globl	tb6811,tb9226
1:	.blkw	[SZ2620+3]/2
9:	. = .+10
	. = .+27
	.even
	.blkw	V8711+3
	.blkw	12
	.blkw	SZ2677+0
	. = .+13
	.even
	. = .+17
	.blkw	4	; @#x (r)+
	.even
3:	.blkw	28.	; check 1f and 2b
	.blkw	24
	.even
	.even
	. = .+17
	.blkw	[OFF9027+3]/2
	.even
	.even
	.blkw	[OFF9027+3]/2
	.blkw	8.	; mov r0,r1 here
	.blkw	[V3508+3]/2	; @#x (r)+
	.even
7:
	.blkw	[SZ2620+3]/2
m$5573:	.blkw	3
	.blkw	3.
	. = .+12
	.blkw	[V9755+3]/2

	.blkw	7	; @#x (r)+
	. = .+25
	.blkw	10.	; @#x (r)+
	.blkw	[OFF3674+3]/2
	.blkw	34	; a,b,c
	. = .+25
	.even
	.even
3:	.blkw	31.
	.text
	bisb	#[x_2841+SZ2620]*2,eightchr-m$4778
	xor	r5,L1795(sp)
m$1736:	add	(sp),-27(r1)
	bgt	x_43
	bge	ent855
8:	cmp	(r3),-(r1)
	modf	-97.(sp),fr2
	add	@63578.(r4),-(r1)
N_8044	= 25
	.ascii	<Zqm. n&6`3\neC1\>38^x>
	.globl	lib8729,tb9226,sys_9952
	.even
	bne	4f
	rolb	@r4
	bic	lp2534-sub4328(r0),V3508(r0)
	sys	270
1:	aslb	r2
	sev
ent3385:	.ascii	<fXfc:B\r]%\\q+0**[6\sd5^&7Y.?\rX>
	asrb	r5
	rts	r3
	cmp	@lp2534,@x_43(r1)
	mov	sp,@-(r5)
	.word	42300
	rts	r4	; loop: again
m$1343:	4:	xor	r4,@[lib5365+V7339]*2	; <odd> text
	adc	@(r4)+
m$2333:	beq	lp2590
3:	sxt	(r3)+
	cmpb	@-(r0),@-(r2)
	.ascii	<0z;h70$?Cm#ju+>
	dec	(r2)+
	.data
	<C;d:1\q2\t\e[?>
	.word	tb418,sys_2311,sub4132
	.word	.
	.byte	'9, lib6186, lp1538, 72, 'a, 202, 103.
	.even
	.byte	'+, 136., 37., '0, 325
	.word	sub4806,59323.,K7477,x_6320-5,bf8264
	<)`-ss3lk\t|>
	.word	"Yc
bf4554:	sub2287:	.ascii	<@__CjqZ!\n=++< \eZ4>
	V7339	; @#x (r)+
	.word	bf2442,[ext6655+V9755]*2	; @#x (r)+
	.word	"Yc

lp1112:	.word	bf9716-tb6114
	.even
	.bss
0:
	.blkw	[OFF6815+3]/2
	.blkw	OFF6815+1
	.blkw	1.
	. = .+35
lp8836:	sub4806:	.blkw	[OFF9337+3]/2
	.blkw	OFF1304+3
bf4410:	.blkw	[OFF6815+3]/2
	.blkw	OFF6401+4.

	.even
	.blkw	OFF6401+0.
	.blkw	13.
L4760:	.blkw	0
	.blkw	20
	.blkw	9.
7:	.even
	.blkw	3
	.blkw	32	; loop: again
	. = .+30
	.blkw	6.
	.blkw	[OFF3674+3]/2
	.even
	.even
	.blkw	4
0:	.even
	.blkw	[SZ2620+3]/2	; loop: again
	.blkw	14
	.blkw	7	; a,b,c
	.blkw	14
	.blkw	V9755+4
	.blkw	6
sub4132:	. = .+11
	.blkw	[V3508+3]/2
bf4359:	.blkw	[V7339+3]/2
	. = .+18.
	.blkw	21.
bf3872:	.blkw	12.
9:	. = .+35
	.even
	. = .+23.
	.blkw	22
	. = .+0
tb9226:	.blkw	[V7339+3]/2
	.even
x_5470:	.blkw	[OFF9337+3]/2
	.blkw	[N_8044+3]/2
	. = .+20
	.even
	. = .+0
	.blkw	23
	.blkw	1
	.blkw	17
L5633:	.blkw	V7339+2
	.even
	.blkw	[SZ6005+3]/2
	.blkw	[V9755+3]/2
	.even
bf8264:	.blkw	0
	.even
	.even
	.even
x_1760:	x_43::	9:	. = .+3.
	.blkw	25
	.blkw	V9755+2	; the end
	.blkw	[V8711+3]/2
	.blkw	[K7477+3]/2
SZ9814	= .+14
	.even
	.blkw	12

	. = .+19.
	.blkw	3
	.even
	.blkw	[OFF6815+3]/2	; a,b,c
	. = .+12.
	.blkw	32
	.blkw	37
	.blkw	K7477+3
ent855:	.blkw	24.
	.text
4:	bit	@(r5),-44(r1)

	clrf	@#15463.
	sub	@-117(r1),r4
	.word	sub2621
	bisb	(r2),@134317
	movf	fr0,fr3
	bisb	@#sub4328-lp4112,@sub1380-7(r3+0)
tb8711:	movf	fr0,fr1
	tst	r2
	ashc	110051(r1),r1
	bmi	.+6
ent3655:	ldfps	@r4
m$6759:
bf3685:	6:	bis	@(r4)+,@#sub5208-17.
	xor	r2,@-43(r5)
6:	bisb	bf2250+27,-(r1)
	mpy	@-72(r2),r2
	add	@-(r2),@(sp)+
	bhis	lp4075
	rolb	@#-106.

	movb	-(r5),x_1596+13(r0)
	bis	(r1)+,r4
	bes	.+26
	incb	@sub1380-m$1945(r2)	; check 1f and 2b
	.data
	.ascii	<tC<A?e|>
4:	.ascii	<2{papek>
	.word	.	; @#x (r)+
	.ascii	<5>
	.word	-15,OFF9337\<0
	.even
	.byte	'x, -9, '0, 377, -100, 172
sub5736:	.word	.	; @#x (r)+
x_6967:	ent7315::	.word	tb8865
	.word	.
bf2250:
4:	V7339
	.ascii	<`?+[ftt'*ka$}:>
ent7615:	.word	sys_1908,lp1538,172260,sub9323,lp219
	.byte	187., 126, 63, 254, 121., 'b, [bf5037+V9755]*2, 'X
	.word	53450,[tb7968+K7477]*2,!122023,sub5736
4:	ext5169+46
	.even
	lib5365
x_1649:	x_5625:	.ascii	<:\qk8jdq(d\eq9.{Y ="+\0t/@k9\\C>	; <odd> text
	.bss
	.blkw	12	; @#x (r)+
	.blkw	32
6:	.blkw	14.
	.blkw	[OFF1304+3]/2
	.blkw	[V7339+3]/2
	.blkw	V3508+1
	.blkw	V3508+1
	.blkw	3
	.blkw	1.
	.blkw	6
	.blkw	[V7339+3]/2
	. = .+29.
m$789:	.blkw	30
	.blkw	OFF9337+3
tb7968::	.blkw	38.
6:	.blkw	OFF6815+0.	; @#x (r)+
bf1834:	.even

	.blkw	27.
	.globl	lp4419
2:	.blkw	11	; loop: again
	.blkw	SZ5451+3	; check 1f and 2b
9:	.blkw	8.
ent3246:
	.even
1:	.blkw	35
	.blkw	26.
	.even
K1090	= N_8044&V3508
	.even
	.blkw	SZ2677+2
	.blkw	4.
	.blkw	[SZ2620+3]/2
	.blkw	0.
L3986:	.even
sub7571:	.blkw	2
x_7856:	.blkw	[SZ5451+3]/2
	.blkw	V3508+2
	. = .+16.
	.blkw	[V7339+3]/2
x_1789:	.blkw	17
	.blkw	OFF3674+4	; @#x (r)+
1:	.even
	.even
m$183:	.even
0:	.blkw	SZ2677+3
sub6406:	5:	.blkw	8.
	.blkw	12.
	. = .+33
	.blkw	[V8711+3]/2
	.blkw	41
	.blkw	K7477+3
	.blkw	6.
SZ8922	= SZ2620*OFF9027
tb8865:	.blkw	35
	. = .+13
	.blkw	[V7339+3]/2
	.blkw	SZ2620+0
	.blkw	[OFF9337+3]/2
	.blkw	44
	.blkw	SZ2677+2
	. = .+25
	.blkw	16.
	.even
	.even
	.blkw	V9755+2
	.blkw	2
	.blkw	OFF6401+1	; check 1f and 2b
	.blkw	K1090+4
	.even
	.globl	bf2250
	.even

	.data
	20578.
sub9155:	.ascii	<\pkob.a\>]$g>
	.ascii	<1Ae;w7B orki!0oq{+>

	.word	"dZ,-132,bf2874,sub6228
bf1318:	.even
sub488:	.word	lp2738,-176,[lib6186+OFF6401]*2
	<!}nA@oAc!g}\>1}c8\q\\Y\p{BnC*4>
	.word	lp3027+24
	tb418
	.word	-131,m$4778	; mov r0,r1 here
	.ascii	<up?Bn|g0=\\@>
	.ascii	<Cud5k\r#1Z n)`j!8>
	.word	V8711,K1090\<5,20727
	.word	131151,117160,L6273,lib4149+21.
L320:	.ascii	<%sBq|& gdi >	; the end
	.text
4:	ble	lib3529
x_4371:	swab	r2	; the end
	cmpb	@#"ed,@sp
	bisb	@sub9323,@-(sp)
	bicb	(r2)+,@r4	; check 1f and 2b
	bitb	@(r4)+,(sp)+
	mov	(r1)+,@#lib1138	; a,b,c
	asl	@(r3)	; the end
	clz
	movfo	fr2,r4
	movif	fr1,fr2
	movei	fr1,(sp)+
	bpl	5b
	bic	@(r2),lp643+31
	sbc	.+112
	cmp	@-62.(sp),@(r5)+
	movb	@(r4)+,@(sp)+
	cmp	(r4)+,m$1921-7(r1)
	jsr	r3,@ent7615-2
5:	rts	r4
	mark	225	; loop: again
	bicb	136535,@-(r0)
	bes	5b
m$1921:	mov	-(r2),(r4)
	sub	@-47(r1),@(sp)+
	comb	@-53(r2)
SZ7074	== 32052
L2245:	bicb	L5588-15,@#bf1834
	ash	r2,r4	; the end
	.data

	.even
	.word	bf6330+19.,tb873-11

	.byte	'a, 167., -61, 76
	.word	lib6186-6,sub1209-bf3194,17455.,lp7684-8.,'b
lp2738:	.word	SZ2677\<1,[tb1493+K1090]*2,[sub9155+OFF3674]*2
	.word	lib3201+26,[lp8836+N_8044]*2,tb642-lp3585,5101,!170310
	.word	SZ2677
m$6243:	.word	sys_4796+31
lp3027:	.word	V3508,[tb873+V9755]*2
	.word	[lib6186+N_8044]*2,sys_1908
	.byte	V9755, 'a, 49713., '9, '+, '0, bf6414, 250
	.word	.+64,sys_829-12,sys_5503,tb6811,[lp7463+SZ2677]*2
	.byte	'0, 17, 179., 221, 193.
	.byte	45., 233., 'b, 244.
	[L1317+OFF1304]*2
	sub2402-14
lp4075:	.word	bf2826,ent4630+45
	.word	'2,m$2434
	.word	.+156,[sub9323+SZ5451]*2,[sys_6460+V3508]*2,'b
tb873:	.ascii	<l\tp6bz-2\\\>:A\na]w`#p#uBqu$n^ >
	.word	[tb9961+SZ5451]*2
	.ascii	<u;8$::[t]Z&z$uu%`>
L5195:	5:	<uq+\r!0B23;"\pA{\e$/?x'@>
	.ascii	<\\f?}\\?w\t['YBd0Z\>>	; <odd> text
	.word	sys_5503+32,33325
	.word	111317
L9768:	.byte	14., 55, 246., 'X, 246
	.word	12065,ent4205+30.,V7339
x_7092:	sub9323:	.ascii	<7j"q<'w(f|rn>
	.byte	V7339, 166003, 'c, 61591.
	.byte	sys_7931+17, 218., 'c, 'b, 207., 79., 45., 360
	.byte	'9, 225, 24, '0, -36, 261
	.even
	.byte	lib7998, '$, -116, 156, 145
	.byte	30, L9005+36, [bf6330+OFF9027]*2, 'c, 136, -17, 242	; check 1f and 2b
	.byte	256, 213., 57., 45, 'c, -82
	.ascii	<\sm\\m1t!b)8y!=jlgClovAzrj(r>
	<kq\emc2ra797d\rqA$\nCZ>
x_389:	8:	.byte	244, 155, tb827
	.word	ext2291
	.globl	x_1596,lib6529,tb418
	.text

	bitb	@(r3),@-21(r2)	; <odd> text
	rol	-(r4)	; @#x (r)+
	mov	sp,r2
	rorb	@OFF6815
	jsr	OFF7186,@'#(r4)
	emt	231.
N_2813	= 'Y
	bisb	(r5)+,(r3)	; a,b,c

sub607:	mov	(r3)+,@170236(r2)
ent1014:	bvc	8f
	mov	@(r3),(r2)
	jsr	r2,.+12
	movb	[ext6655+V7339]*2,r3+2
	bitb	@-17(r2),@(r3)	; <odd> text
	jsr	r2,@OFF1304
	bvs	3b
	modf	fr2,fr0
	xor	r4,@(r4)+
	mov	r1,-71.(r4)
	mulf	@'%,fr1
	sob	r0,lp4814
	movei	fr1,(r3)+
	dvd	(r4),r4
sub364::	bcs	1f
N_4416	= 33.
sub6228:	dvd	@(r4)+,r1
	mpy	@#sys_829,r0	; check 1f and 2b

	iot	; loop: again
	bis	@r3,(sp)+
	jsr	r4,-110(r0)

	asrb	x_4371+13.
	sub	[L5052+V3508]*2(sp),-(r0)
	bis	@-101(r5),(sp)+
	subf	fr2,fr5	; loop: again
	movfo	fr3,@#13444.
	rol	@(r3)	; check 1f and 2b
	divf	-67(r5),fr2
	bit	(r5)+,.+26(r1)
	.ascii	<`\>"l$=`{8^d%!:n x>
	.even
	.ascii	<o~X{<Ac~ .x53|ztj_(vdw>
	bit	@#OFF6815\<4,(r2)+	; <odd> text
	mov	(r4)+,-(r5)
	trap	!52606.
	mov	r0,r3	; check 1f and 2b
ent4205:	movif	fr2,fr3	; loop: again
	sub	@r3,@-(r4)
L1317:	bpt
	mark	146.
	seti
	add	#L9768,(r4)	; the end
ent3971:
tb2288:	asl	r3
	add	@"fZ(r1),@-(r1)
	bisb	@(sp),(sp)+	; the end
	mov	r1+1,@-123(r5)
	cmp	@r3,@#.+160
	beq	tb7268
	sub	r5,-31(sp)
	add	@-133(r1),@-22(r1)
	div	r2+2,r2
	rts	r5
	bis	-3(r1),@-(sp)
OFF4316	== 171147
	als	17149.(r0),r4
	blos	sys_7931
	jmp	@-(r3)
	als	ext4333+22(r2),r4
	ashc	-41.(r0),r2
	bisb	(r3),@sub2535+26.
	bge	tb2503
	mul	@(r1)+,r0
	bvc	.+40
	sob	sp,4b
	mov	@(r4),@(r1)
	mov	@-(r0),(sp)+	; the end
	bisb	r0,-80.(r4)
	cmp	@sys_7931-1.(r2),-(r1)
tb9458:	lp2881:	jsr	r5,38238.(r0)
	rolb	-47(r4)
m$9592:	cmp	#9731.,@-106(r4)
	.ascii	</_dhi>
	.even
	.ascii	<yv>
	bis	@-48.(r4),-123
lp643:	.ascii	<k>
	.even
lp4814:	bf147:	adcb	@133570(r4)
	.ascii	<}B]~Yk>
	bisb	(r1),-(r2)
	adcb	@(sp)+
SZ4320	= N_4416&SZ2620	; loop: again
	absf	fr4	; @#x (r)+
	ash	@(r3),r0
	bit	(r4),@150227(r5)
	setf
	.bss
	.even
	.blkw	SZ6005+4.
	.blkw	[V3508+3]/2
	. = .+11
	.blkw	[OFF1304+3]/2
	.blkw	[OFF1304+3]/2
6:	.blkw	30
	.blkw	46	; loop: again
ent4630:	.blkw	[OFF9027+3]/2
	.blkw	[V9755+3]/2
	.blkw	SZ2620+3	; the end
	. = .+22
	.blkw	13.
	.blkw	23.	; a,b,c
	.blkw	3
	.blkw	N_4416+2
	. = .+31
2:

bf2826:	.even
	.even
	.blkw	OFF3674+3.
4:	.blkw	[SZ4320+3]/2	; a,b,c
1:	.blkw	[SZ2677+3]/2
	.even
	.blkw	33.
	.data
	.word	!66315,'x,ext6907,OFF1304

	.even
bf6330:	ent7251:	5:	.word	tb7268,tb239-19.,OFF9027\<6,V3508,x_4235
	.word	.
OFF1662	= [K1090+OFF9027]*3
	V7339
tb1493:	2:	tb46+9.
	sub2535
tb827:	.word	.+8.,ext2291+16

	.word	[ent3814+OFF9337]*2,!18177.,x_8832,-134,ent5057
	.ascii	<a?79b.)8<|[m`5xbp>
OFF6213	= sub607-lp643
	.byte	x_5526-m$4895, -29, '0
tb8505:	.byte	100, ent5209-1, m$9614, 238.
	.word	tb239+34,.+134
	.word	OFF6815\<7,ext9371,-234
	<\\5my{!3u&0t[AYX)e.q\prk*xge[12>
L8585:	.even
	.ascii	<:2<<']b qy8\q/3\0>
	.byte	-111, -245	; <odd> text
	.ascii	<q0"_~_Y,\p*Y\q|a*a\nfa[11&>
	.word	sys_2184+29.,lib3529+34,bf5167,sub1502-23,sub4132
	.ascii	<$<"9|,d~9;3/X~\tw,sd&._3}1>	; a,b,c
	.word	ent1976,bf5167+20.,bf8264-2,sub8074+10
	.word	18970.,SZ4320,tb9458-lp1754	; mov r0,r1 here
0:	.word	.
	.word	-160.,[ext4333+OFF9027]*2,'c	; loop: again
	.ascii	<o\t}72t3>
	.ascii	<#+)c3*\s_m@\p-\0a&.x2#\tm\t\e>	; the end
	.byte	'0, 240., 'a, 'c, 'b, 136., 373
	.word	L659
	.ascii	<<"e:YZ2&8>
	.globl	sub4115
	[lib4149+SZ6005]*2
	.word	m$4231,L1300+38.,'%,sub5304-16.,sub4132
	.byte	-125, 6, 55, 32, L8127, -81
	.word	.
	.byte	OFF1304, 'a	; loop: again
bf4725:	sub7
	.word	'1,SZ5451,L2829+12.,x_4542-10,"aY
	lp6608
bf3496:	.word	sub7,-16,!23745,tb9961,tb5513
bf1332:	.byte	340, 'a, '9, 'Y, 'b
	.word	-260	; the end
	.word	bf5167,!167334,sub6520,tb8794+31.
OFF9837	= ext2291+6
	.word	.
	.word	ent2549,141552
	.word	[x_3507+SZ6005]*2,bf2826-7,-92.
	.ascii	<Z;p\e>

	<v(c`f5qnny*woo6cj<_u\>f<e<'g;*>
	.ascii	<h+tk6y&a09!xv&"o9nh;>

	.byte	272, 351, 376, 'b
	SZ5451\<4
	.word	sub5304,L3775,ext6655,lp2534+37
	.word	OFF9027\<6,x_5112,[sys_2184+SZ2620]*2,22304
	.even
	.word	60163.,.+34,bf6330,-60
	.word	sub2535,"Xa,K1090\<2,SZ4320\<7
	.word	.
	.ascii	<n'7*#[B-8:Y4'B]o0$<ZY>
	.ascii	<"=@ix\p!e>	; check 1f and 2b
m$3329:	sub8171:	.word	.
	.byte	5., 94., -25, '%
	.ascii	<9X>

x_4235:	.word	V9755,[ext8614+SZ6005]*2,'Z
	.word	.+134,m$4947
	.ascii	<$c`6)3"05+3l}jhn.X]r >
	.word	.
	.word	47782.
	.ascii	<r20`~# 7X2q>
	bf9795+10
sub5304:	.word	121550,m$183,ent4205+31.	; loop: again
	.ascii	<4b ^ws#"h'&x\qCp<{f0>
	<[]^k}w\nu%]m./n\r0u:\pB-$ac=+>
	[sub5793+V9755]*2	; @#x (r)+
	-152.
	.bss
	.blkw	23.
SZ4333	= lp1754+5
	.blkw	17.
ent2549:	.blkw	[V9755+3]/2
	. = .+3
	.even
	.blkw	28.	; @#x (r)+
	.blkw	[V7339+3]/2
	.even
	.blkw	24
	.blkw	[SZ2620+3]/2
	.blkw	[OFF9027+3]/2	; the end
	.blkw	4
	.blkw	20
	.blkw	[K7477+3]/2
	.blkw	OFF9337+4
	.blkw	6
L5052:	.blkw	SZ5451+1
	.even
sub8074:	.blkw	K7477+2	; loop: again
	.blkw	24
	.even
	.blkw	20
	.blkw	14
	.blkw	5
	.blkw	32.
	.even
	.blkw	2
	.blkw	5
OFF2337	= [OFF1304+V7339]*3
	.blkw	7
	.blkw	SZ4320+2
	.blkw	[OFF1304+3]/2
	.blkw	V8711+2.
	.blkw	N_8044+1
	.blkw	7
L1300:	.blkw	47
	.even
	.blkw	31.
	.blkw	26.
2:	.even
	.blkw	[OFF6401+3]/2
	.blkw	12
	.blkw	[N_8044+3]/2
	.blkw	[OFF9027+3]/2
sub2535:	. = .+0

	.blkw	2
	.blkw	OFF1304+0
	.blkw	[OFF3674+3]/2
	.blkw	[V3508+3]/2
	.even
	.even
	.blkw	[V8711+3]/2
	.blkw	[N_8044+3]/2	; a,b,c
	.blkw	OFF9027+4.
	.even
	.blkw	[K7477+3]/2	; <odd> text
	.blkw	OFF1304+3
	.blkw	31	; a,b,c
ent4454:	. = .+31
K894	= OFF6815+V3508
	.blkw	2
	.blkw	SZ6005+3
	.even
	.blkw	[SZ5451+3]/2
	.blkw	K894+0
8:	.blkw	V3508+4	; a,b,c
sub5182:	. = .+14
tb7268:	.blkw	[SZ2620+3]/2	; mov r0,r1 here
8:	.blkw	27
m$7468:	.blkw	45
	.blkw	12	; a,b,c
	. = .+3
	.blkw	SZ2677+4
	.even
	.blkw	OFF1304+3	; a,b,c
m$8489:	.even
	.blkw	14.
6:	.blkw	27.
	.blkw	11.	; @#x (r)+
L2829:	. = .+16.
	.blkw	23
	.blkw	SZ6005+3
9:	.even
	. = .+11
0:	.even
	.blkw	13
	.blkw	26
	.blkw	0
	.even
	.blkw	[SZ6005+3]/2
	.blkw	1
	.blkw	17.
2:	. = .+22
8:	.even
bf5167:	.even
	.even
x_8832:	.blkw	43
	.even
	. = .+23
	.blkw	[V9755+3]/2	; the end
	.blkw	SZ2620+4
tb9744:	.blkw	43
	.blkw	31.
	.blkw	24.	; the end
	.even
	.blkw	26.
	.blkw	2
	.blkw	20
tb5513:	.blkw	45
	.blkw	[K894+3]/2
	.even
	.blkw	OFF6815+4
	.blkw	9.
	.even
tb239:	.blkw	31
	.blkw	3	; <odd> text
	.blkw	OFF3674+2
	.blkw	6.
	.blkw	N_4416+2
N_3707	= 24
	.even
tb5892:	.blkw	29.
6:	.even
	. = .+5.
	.blkw	[OFF1304+3]/2
	.blkw	[V7339+3]/2
	.blkw	25
	.blkw	37.
	.blkw	18.	; the end
	. = .+0.
	.blkw	[K894+3]/2
	.blkw	4
	.blkw	47	; mov r0,r1 here

4:	.blkw	3
	.blkw	45
ent3526:	.blkw	15
	.blkw	SZ4320+0
	.blkw	12
	. = .+7
	.blkw	26.
	.blkw	[N_3707+3]/2
	.blkw	2.
	.blkw	[V3508+3]/2
8:	.blkw	N_8044+1
	.blkw	7.
m$4947:	. = .+26
	.blkw	[N_4416+3]/2
	.even
	. = .+5
	. = .+14
	.globl	lp3585,ent3971,lib3201
	.blkw	9.
	.blkw	40
sub6367::	.blkw	14
	.even
	.even
	.blkw	17
	.even
	.even
	.even
	.even
	.blkw	15.	; mov r0,r1 here
	.blkw	1	; the end
	. = .+22
	.even
	.blkw	[SZ4320+3]/2
	.blkw	20
	.blkw	4.
	.blkw	[V3508+3]/2
	.blkw	K894+4
	.blkw	11.
	.blkw	27.
	.blkw	32
	.blkw	7
	.blkw	46
sub6520:	. = .+26
8:	.blkw	34
m$9614:	.blkw	N_3707+2
	.blkw	35
	.blkw	N_3707+4.
	.blkw	OFF9027+2
	.blkw	16.	; loop: again
7:	.blkw	SZ5451+3
	. = .+15
	.blkw	N_8044+0.
	.blkw	OFF6815+2.	; loop: again
	.even
	.even
	. = .+24
	.blkw	5.	; check 1f and 2b
sub7:	.even
	. = .+33
9:	. = .+13.

	.blkw	30	; a,b,c
	.blkw	K894+4	; check 1f and 2b
	.data
	.byte	OFF3674, 'X, 144., 'c, 64305, 51
6:
	<.u>
	x_8725
	.ascii	<4"_>
0:	.even
	.byte	114761, 3., 41, '9, -126, 356, -84, m$9592-L3775
lp6608:	.word	L6358,m$751,L3986,lp6702+10.,m$4895-ent3655
	12437.
	<p32>
	.word	'c,sys_2753,sub1502-L921,.+62,sub4728
	.word	ext6730,lp8704,sys_2753,54471.

	.ascii	<\s%}}(q}C"z2@#}2acC/pfe|ts>
	.byte	239., 'Y, 246., -103, 60, 9., !145706
	.even
x_8581:	.byte	'Y, .+42, '+, 'X, 16., 180., -55, ext42
	.word	[L4760+SZ5451]*2,V9755,[lp643+SZ6005]*2,sub2402-11

	.word	.
9:	.byte	-6, '9, [sub7571+OFF6815]*2, 50173., 164
	r5
tb8794:	.byte	OFF1304, '0, ext5169, 113
	.even
	.ascii	<:]\r@+>
	.byte	365, 164, 'b, 60324, 54., 252, 170
bf6801:	.byte	171, 145, V7339\<7, 'Z, 144, 124, -94
m$3737:	.word	.
	.ascii	<(!\0i>
	.byte	302, 334, 2, 6.	; loop: again
	.ascii	<:X->
L706:	.ascii	<}\\9Xr6"j2v'~\e}=[8>
	.word	sub8008-17.,135713,65498.,sub8085	; the end
	.byte	228., 231, 131
	.even
	x_972-12
	.byte	.+154, lib3201-15, 152., 'X, 245, 224, 145

	r3
	.word	m$5573+15
	.word	lp2742
3:	.byte	117., 316, 81., 'c, 341, 101655
	.byte	103., 68., '+, 354, bf6894-4, 311
tb4409:	<80\>B]d5c~"pp>
5:	.ascii	<A\qv'+qfBs<CZ?%>
	.word	45076,OFF6401,OFF3674\<1,28103.
	.even
	.word	[sys_6460+V3508]*2,-62.,143070
	<\pu7l>	; mov r0,r1 here
2:	.word	lp3901+26.,ent1166-m$5748,"dX,"Yf,lib6297

	.word	m$5748-m$4778
	.word	21432
	.byte	-76	; loop: again
3:	.word	-27,sub4728
	.ascii	<\\t,|54k$^mCo$>	; <odd> text
	.ascii	<?2(da>
bf3571:	m$7694-12.
	x_8725
	.byte	223, 77
	.byte	'X, [sys_6460+OFF6401]*2, 146, sys_6460
	.byte	144, 193.
	.ascii	<a4,)~&z"C,}uv58,lkyh%6?upy$eZ>
	.byte	'b
	<g-:>
	.word	sub4728+5,bf6894,lib6529,L9050
	.word	.

	.word	lib6186,'z,tb937-sub1209
bf2838::	.word	.
	<:'%\0m^"(,;u>
	.even
	.word	bf8108,bf5899,435,.+120
	<\s-~A51 >
	.word	lp7684-22
	.word	sub3073,L6792	; check 1f and 2b
	.byte	198., 150	; <odd> text
	.word	"Xa,OFF1304
	.word	OFF3674\<7,sys_4796
L2985:	.word	.
	.ascii	<4\q{_%/~/sf7_y"+>	; the end
	.byte	102., 67, ent7215, '0
bf6894:	.byte	327, -96, 13
bf8108:	.byte	204, V8711	; <odd> text
	.word	ext6907
	.word	ent3526,23892.,.+20,25657	; check 1f and 2b
	.ascii	<[&10u8>	; <odd> text
ent7215:	m$5748	; loop: again
	.ascii	<ifi;6jY6|lb@r\r;Y<'C>	; a,b,c
OFF1855	= .+14
	.word	!102242
x_2103:	.even
	.text
7:	jmp	-(r4)
2:	sub	-(r0),'z(r1)
	mpy	@65613(r5),r2
	bis	@-(r3+1),@(r2)
x_7918:	nop
K238	= .+0
	bicb	@[ext6655+N_3707]*2(r1),@(r5)+
m$4330:	aslb	@-(r5)
	bis	@#lib6297-16,'Z(r4)
	rol	@-(sp)
	bisb	-94.(r3),@-20(r1)
	mtps	@(r3)
	rol	@-(r1)
	.ascii	<8Zn\nZk*ly\\epZ/\0dzh"y61BA>

	bic	!132615(sp),sp

m$8418:	trap	32
	mul	(r3)+,r1
N_642	= 47.
	trap	N_3707
N_2449	= 24
	divf	@r1,fr2

lp6702:	alsc	K7477,r4
m$7694:	mfps	@(r2)+
	div	@-43.(r5),r4
	sob	r5,L6596
	sub	r1,@-(sp)
	bit	(r3),(r3)
	bpl	lp7836
	bne	sys_1513
	bhi	.+22	; mov r0,r1 here
bf7501:	mov	r2,@(r0)
	bit	(r0),@#'0	; <odd> text

8:	add	@-12.(r1),@#L5588
sub8085::	x_3507
	.ascii	<2zrC#/}#v8~^)$v7\0(A$Bc>
	movfo	fr1,@V3508\<1
	add	-12(r1),@(sp)+
	rorb	@-(r3)	; @#x (r)+
ent4537:	bicb	@(sp),@(r2)+
	movof	fr1,fr4



	.ascii	<:\q1mbv=0v:-p,>
	.even
	wait
	movfo	fr1,@#-170.
	bisb	@'2,-20(r0)
	jsr	r1,(sp)
	mul	@(r3),r4
	rolb	@-(r4)
	bis	@-(r5),"eY(r0)
	.ascii	<y\n=>
	.even
	clv
OFF2541	= 32.
	reset	; a,b,c
	jsr	sp,-4(r1)
	bvc	ent6301	; loop: again
	jsr	r0,@(r0)+
	negb	(r4)
lp56:	movf	fr1,fr1
	.bss
	.even
	.blkw	27
	.blkw	OFF1304+1
tb8194:	.blkw	46
	.blkw	23.
bf7898:	.even
	. = .+13
	.blkw	25
4:	.blkw	13.
	.blkw	N_2449+3
	.blkw	33
sub3073:	.blkw	11.
	.blkw	15
	.blkw	27.
	.blkw	28.
	.blkw	[V8711+3]/2
7:	.blkw	OFF3674+4.
x_8725:	.blkw	10.
	.blkw	OFF9337+1
	.blkw	K7477+0.

	.blkw	[SZ6005+3]/2
	. = .+3.
	.blkw	OFF3674+4
	.blkw	15
OFF9609	= ent5564+6.
	.blkw	N_4416+0
	.blkw	[V8711+3]/2
	.blkw	OFF9027+4
sub4728:	. = .+7.
x_7840:	.blkw	[V8711+3]/2
	.blkw	20.
	.blkw	[K894+3]/2
6:	.blkw	28.	; the end
	.blkw	SZ4320+0.
	.blkw	K1090+2
	.blkw	13.
	.blkw	20
	.blkw	21.
V2763	= 20
	.blkw	[V8711+3]/2
	.blkw	OFF9337+1
	.blkw	[OFF6815+3]/2
	.blkw	35	; the end
V4704	= 16.
	.blkw	[SZ2620+3]/2	; loop: again
	.blkw	34.
	.globl	L9050,bf5732
	.blkw	[K7477+3]/2
	.blkw	[N_2449+3]/2	; the end
	.even
	.blkw	11
	.blkw	OFF2541+2
	.blkw	[N_642+3]/2
	. = .+34
	.blkw	N_642+1
	.blkw	V7339+4.
	.blkw	25
	.even
5:	.blkw	4
	.even
L9050:	.even
	.blkw	V7339+2	; loop: again
bf4744:	.blkw	[OFF9337+3]/2
m$7307:	.blkw	K1090+2
sub9782:	.blkw	K1090+1.
	.blkw	SZ2620+0.
	.blkw	32
	.blkw	0
	.even
	.even
	.even
	.blkw	41
	.blkw	[SZ2677+3]/2
bf1392:	.blkw	36
L6792:	.blkw	N_2449+4
	.blkw	[K7477+3]/2
	. = .+25.
	. = .+28.
	.blkw	[K894+3]/2
	.blkw	31.	; mov r0,r1 here
	.blkw	[OFF2541+3]/2
	.blkw	N_642+4.
	.blkw	[K1090+3]/2
	.blkw	V4704+1.
	. = .+32
	. = .+3
	.blkw	33.
tb6872::	.even
	.blkw	[N_8044+3]/2	; @#x (r)+
	.blkw	N_8044+2
	. = .+17.
	.blkw	[OFF2541+3]/2

	.blkw	25.
bf5732:	.blkw	23
	. = .+9.
	.blkw	K1090+0
	.blkw	[OFF3674+3]/2
	.blkw	SZ6005+1
4:	. = .+5
	.blkw	[V7339+3]/2	; check 1f and 2b
	.blkw	N_4416+0
	.even
	.even
tb7523:
	.blkw	43
	.blkw	[OFF6815+3]/2
	.blkw	35
SZ3599	= SZ4320\<0
	.blkw	0.

	.even
x_1747:	.even
	.blkw	SZ3599+1
tb2511:	. = .+6
	.blkw	SZ5451+0
	.blkw	22
	. = .+23
ent7279:	.even
	.blkw	[N_4416+3]/2
	.blkw	23.	; <odd> text
	.blkw	11
	.blkw	SZ4320+3.
	.blkw	[V9755+3]/2
	.even
	.blkw	1
bf8310::

	.even
	. = .+6.
	.blkw	[N_8044+3]/2
x_9551:	7:	. = .+13
0:	.even
ent7959:	.blkw	[SZ2620+3]/2
tb833:	.blkw	[N_8044+3]/2
	.blkw	SZ3599+1
8:
sub7722:	.even
	.blkw	N_642+2.
	.blkw	33	; mov r0,r1 here
	.blkw	27.
	.blkw	[N_2449+3]/2
	.blkw	[OFF9337+3]/2
	.blkw	45
1:	.blkw	0
	.blkw	45

	.blkw	0
	.even
	.blkw	32
N_4627	= 'c	; the end
	. = .+5.
1:	. = .+18.
	.blkw	34
	.blkw	SZ4320+1
	.even
	.even
	.blkw	11
	. = .+23
sub4606:
	.blkw	31
	.blkw	SZ2677+3
	.even
	.even
	. = .+23
lp7836:	8:	.blkw	32.
	. = .+26.
tb4369:	.blkw	[SZ6005+3]/2
	.blkw	[V8711+3]/2
	.blkw	OFF3674+1
tb5393:	.blkw	12
OFF9565	= lp4814+15.
	.even
	. = .+10
	.blkw	[K7477+3]/2
	.even
	.blkw	31
	.blkw	34.
	. = .+10.
	. = .+25.
	. = .+24
	.blkw	4
	.even
	.blkw	SZ6005+4
	.blkw	[K7477+3]/2	; the end
	. = .+4.
K4929	== 77026	; mov r0,r1 here
lp1750:	.blkw	17
bf8747:	1:	.blkw	34
sub238:	.blkw	[N_2449+3]/2
	. = .+21.
3:	.even
	.blkw	37
6:	.blkw	0.	; check 1f and 2b
	.blkw	4
K2591	= SZ5451+K1090
	.blkw	V3508+0
	.blkw	[OFF6815+3]/2
	.blkw	V7339+2.	; mov r0,r1 here
	.even

	. = .+30
7:	.blkw	1
	.even
	.blkw	33.
	.blkw	3.
	.blkw	2
	.blkw	2.
	.blkw	[V8711+3]/2
ent6713:	. = .+17.
	.blkw	SZ6005+3
	.blkw	10
	.blkw	47
	.blkw	25
	.even
	.blkw	[K1090+3]/2
4:	.blkw	SZ4320+3
	.blkw	[SZ3599+3]/2
lp5998:	.blkw	[V3508+3]/2
	.blkw	[SZ5451+3]/2	; mov r0,r1 here
	.blkw	N_4416+1.
L793:	.blkw	31
	.blkw	6
lp7536:	.blkw	N_642+3
	.blkw	16	; @#x (r)+

	.blkw	V2763+3
bf5850:	. = .+19.
	.blkw	OFF6401+1
	. = .+3
	.blkw	[N_3707+3]/2
	.blkw	38.
1:	.blkw	24

	.blkw	OFF2541+2
ent8445:	5:	.even
	.even
	.blkw	9.
	.blkw	32.
	.blkw	31
	.even
ent6006:	.blkw	13
lp7416:	2:	.blkw	27.
	.blkw	41
	.blkw	SZ5451+1
	.blkw	OFF9337+4
bf4357:	.blkw	SZ5451+2
lp5216:	.blkw	45
L4820:	sub2236::	.blkw	33
	.blkw	24.
	. = .+28.
	.even
	.even
	.blkw	30
	. = .+24
	.even
	. = .+21
	.blkw	45
	.even
	.blkw	24	; @#x (r)+
	.blkw	K7477+3
	.blkw	[N_3707+3]/2
	.blkw	17.
	.blkw	[K894+3]/2
	.blkw	[N_8044+3]/2
	.blkw	33
L7633:	.blkw	2
K8726	= r4+1
	.blkw	17
	.blkw	K7477+3
	.even
	.globl	x_6371,tb2288
	.blkw	35	; loop: again
	.blkw	N_3707+4
	.blkw	SZ5451+0
sub875:	sub6377:	.blkw	0
	.blkw	[SZ6005+3]/2
	.even
sub3744:	.blkw	1
	.data
	<x}q\n\0)"|cZx{,<>	; a,b,c
	.byte	306, 23, 42, 344, x_6371+12.
OFF78	= .+10.
	.ascii	<wxxc$Y\qo8k g"aw+c}>
	.byte	67., 256, 'X, 132, 'Y, '#, 345, -27

	.byte	-213, 52, -37, 'b, bf3028, lp2618	; <odd> text
	.ascii	<\0(}7j\qd"u^q7%|\>c4y>
	.word	165422,125633,-43.,-112
	.word	L1442,tb2511
	.word	tb9178-14

	.word	166207,OFF2541
L1906:	<sA)dq>
	.word	-65,V7339\<2,!57723
8:	.word	sub607-22,OFF6401,'x,L6433,L7633
	.ascii	<,!Ce;Xh:7+|5\ru\r27fa8#e7w3f>
	.ascii	<*hB\p#v>
1:	<3<z&*)9.v#x_p\\g'wj w~Yc[)#-Y>
	.+156
	.byte	253, 3, 35, m$6243, 41, 257

	.word	ent8247,x_7030-11
	.even
L4715:	.even
bf1609:	.word	ent7865,bf5210-17.	; the end
tb4469:	54770.
L6433:	.word	"ac,bf4725+23.,lib6529+12,ext6655
	.byte	260, 224., 123, sys_2184, 102, -3., N_4416	; @#x (r)+
5:	.word	x_8578+31
	.byte	53, 27, 245, 16.
	V8711\<1
	.word	'Z,x_4049,L305,44651
	.word	ent3971-lp4112,L9793-23,!103526
L8974:	.word	'1	; @#x (r)+
	.even
x_7338:	.byte	275, -114, 'Z, 176, 46.
	.word	[lp56+N_3707]*2,bf8264-7.,165712,36414.,"cc
	.+14.
	r0

	.word	.
	.even
	.byte	52549., 'A, 12, 76., 86., 'b
	.ascii	<t[("%li+$4it8Z(/,c~]`**48cXu>
	[sub2402+N_2449]*2
9:	.word	.
	.even
sub2:	.word	-76.,24261.,-220,lp7463

	.word	.
	.ascii	<>
	<\\+|f4r5s?ta /~qfr}$+0l?^>
	.word	[ext6907+N_8044]*2,51673,K894\<6
7:	.ascii	<Cpw\0zuz\seA*|%o%f}w\qy.>	; <odd> text
	.word	166746,lp643-bf2710,tb9458-counterl
	.word	SZ2620
	<g9}sg/?9>
L9921:	.word	tb2210,tb9178
	.word	124116
	.word	V2763,lib6529
	.byte	!125433, -89, -25, '0, -42, 'a
	.even
bf3028:	.ascii	<de?\\<`\sf~s\n`5~h)r7`Ak>
	.word	30667,44367,!102270,lib6529-10.,OFF2541	; <odd> text
ent8247:	.byte	N_642\<4, 175., 4, lp2261, 'Y	; loop: again

	<@z:t%dj>	; the end
tb6911:	9:	.word	[x_522+SZ2677]*2,L6273,74446
2:	.byte	'Y, 'X, 35
	.word	sub4728,'%	; check 1f and 2b
	.byte	324, ent6006, 143, 115, 354
	.word	126737	; @#x (r)+
	.ascii	<2*|;#<s:mBd "'n(o=tXi>


x_6746:	.even
K4140	= m$9592+11.	; loop: again
	.byte	333, 74
	.byte	"ae

	.ascii	<)>	; loop: again
	.word	"YX,L706,sys_7931,SZ5451,ent7581
	.byte	'+, 333, 26.
	.word	.
	.word	sub3455,lp4186+27.

	.bss
	.blkw	[V2763+3]/2
	.even
tb9178:	.blkw	V3508+0
	.even
	.blkw	36.
lp856:	.even

	.blkw	23.
sub1360:	.even
	.blkw	V8711+0
	.blkw	2
	.blkw	SZ5451+2.
	.blkw	N_3707+3
x_7030:	. = .+19.
8:	.blkw	V9755+1

lp840:	. = .+21
	.blkw	6.
	.even
	. = .+20.
	.blkw	[OFF6815+3]/2
	. = .+32
	.blkw	SZ2620+2
	.blkw	28.
lp9152:	.blkw	12
bf9092:	. = .+22
	.even
	.blkw	N_3707+1
	. = .+15
	.blkw	26
x_8578:	x_7949:	.blkw	[OFF9337+3]/2
	.blkw	N_642+1
7:	.blkw	K1090+1	; check 1f and 2b
N_1050	= bf8310+bf136
	.even
	.blkw	[K7477+3]/2
	.even
	.blkw	31	; the end
	.even
	.blkw	[K7477+3]/2
	. = .+6.
	.blkw	V3508+0
	.blkw	3
	. = .+3
	. = .+9.
	.even
lp2618:	.blkw	9.
	. = .+6
1:	.blkw	6.
	.data
	.word	'1
4:	.ascii	<}v9m_*c\>6!:Xs*ii\\\q.*C}ps!>
	.word	.
	.ascii	<t9'![>
	.word	"ae
3:	.byte	204, 167., 50036, '+, 307, -78
m$1964:	r1
	.byte	14, V7339\<7, 0, 51., '+, "aa, 'b
ent7865:	.byte	x_8596-4., 'a, 262, -81, 156, 'b, 323, 200.	; a,b,c
0:	.word	SZ2620,'$
L15:	!40257.
	.word	71544,tb6114-bf2874,!145671,lib5365	; mov r0,r1 here

OFF8151	= [OFF9337+N_8044]*3
	.byte	x_2895	; @#x (r)+
	.byte	-127, 57727	; the end
	.byte	36, '9, -69
	.ascii	<a."&fxw},gw#gr:Anvq>
	<>
	.word	.
sub8909:	OFF6401
	.word	45422
	.word	lib6297-6,lp1734,.+142,123154,150111
	.word	SZ2677
	.word	K894\<0,L305+23,lp823-21
	.word	.
L4095:	.word	OFF9337\<1,x_2895+1.,sys_4796+23,SZ5451,L305
	.word	SZ3599,lp7938-m$2333,x_1437-4,ext4333+1.
	.ascii	<.u2@(@8oa%hx^>
	.word	bf4450
	.word	.
	.word	[lp7938+K2591]*2,tb6002,L2245+18.
8:	<=lmA"z[)v|(r-(>
	.even
	.word	.
	.byte	246, 342
	.word	tb46,137704,x_7918,OFF6815
ent3416:	.byte	218., 217, '9
	.word	tb418-23,'c,lp856	; a,b,c

	.word	172506,[bf3571+SZ3599]*2	; mov r0,r1 here
	.word	L7724+27.,bf8262,bf3872
	.byte	17, 327, lib8729-6, 203
	.word	.
	.byte	'Y, 'X, 'X, 212., 204, 206, -89, 150
	.word	.
	.word	.
	.word	x_2262
	r3
	.byte	97., 57, 44.
x_2262:	bf981

ent7581:	.word	132423,177676,x_9551,bf4410+19.,132726
	.word	ent3385,x_7918-x_3693,'9,4535
	.ascii	<B&d%qbrB.*~\tab\p-]\r},db\s>
lp9006:	.word	x_389,ext1155-17,lib2129,'1
	.word	OFF1304\<4,sub9156-2,'b,"YZ
tb2210:	.word	ent1014-ent4537,SZ2677,lp4112,lp9727,bf4450
	.text
	cmpf	-22.(r0),fr3
	tstb	(sp)
SZ9400	= r1+1
	sob	r2,0f
	cmpf	fr2,fr5
5:	movei	fr2,@sub5182
	add	-46.,@r3
	blt	0b
	br	lib3529
	.word	[sys_7931+N_8044]*2
6:	mov	N_128,@#x_6371
	jmp	-(r2)
	bmi	.+32	; check 1f and 2b
	bit	@#31043,L6358(r3)
L305:	x_522:	add	@r4,ext4333
lp875:	movfi	fr2,@#[sys_2311+K1090]*2
	sub	-43(r0),171617(sp)
	bitb	r1,@tb8993-tb6114	; the end
	.globl	L5195,lp9022,sub8008
	mpy	(r2),r1
	modf	fr2,fr2
tb6002:	cmp	#65092.,(r2)
2:	bisb	ent2314,@-(r4)
	.bss
bf4450:	bf5913:	.blkw	1
	. = .+29.
	.blkw	23
lp2261::	.blkw	[N_642+3]/2

	.blkw	0.	; the end
	.blkw	[N_642+3]/2
	.blkw	37
	.blkw	40	; check 1f and 2b
	.blkw	13.
	.blkw	0
	.blkw	K894+1
	.blkw	N_3707+2
	.blkw	24
	.blkw	47
	.blkw	N_642+1
	. = .+32
	.blkw	[OFF2541+3]/2
	.blkw	22.
sub4669:	.blkw	36
	.blkw	45
	. = .+18.
	.blkw	24
	.blkw	[OFF6401+3]/2
	.blkw	22
lp604:	.blkw	40	; the end
ent5785:	x_9415:	.blkw	35.
tb8361:	. = .+24.
	.blkw	OFF6815+0
	.blkw	24

	. = .+6
	.blkw	22
	.blkw	[K7477+3]/2
6:	.blkw	OFF9337+0.
	.blkw	32	; the end
	.even
	.blkw	9.
bf2307::	.blkw	N_642+2.
	.blkw	[SZ2677+3]/2
	.blkw	33.	; loop: again
	.blkw	V4704+1
	.blkw	22
	.blkw	[K7477+3]/2
	.blkw	[N_4416+3]/2
bf27:	.blkw	45	; loop: again
	.blkw	46
	.blkw	[V4704+3]/2	; mov r0,r1 here
	.even
x_2895:	.even
	. = .+21.
lp9022:	.blkw	41	; <odd> text

	.text
	dvd	(r2)+,r0
L7724::	rts	r5
8:	bit	@(sp),@(r1)+
	mov	r0+2,@(r0)+
	. = .+2
	blos	2f
	ent1616
	bit	@'0(r1),(r4)	; @#x (r)+
	mark	113
	jsr	r4,@2025
	bis	@#sys_4796,@(r5)	; loop: again
	.word	.+86.
	sub	-51(r5),@-57(r3)
	bicb	#.+144,(r5)+

	asl	(r2)
lp823:	mov	sp,ext6907(sp)
	mark	345
	bicb	(N_128)+,@sp
	bicb	@(r5),SZ3599(r4)	; mov r0,r1 here
	jsr	r1,@#[sys_2311+V4704]*2	; a,b,c
	bisb	@-64(r1),bf5537-23
	bgt	lp4208
	emt	53	; the end
	divf	fr0,fr5
	adcb	@ent9096-bf147(r0)
lp6399:	bis	@(sp)+,@#bf5210+7
ent1811:	cfcc
	tst	x_2103+32(r1)
	cmp	@(r5)+,@r0
	movb	@#-117.,-36(r4)
	emt	2
tb4822:
	jsr	r5,@#ent4761+37.
	sob	r4,6b
x_1437:	.ascii	<a'x'i:>
SZ9731	= lp6399-L9793
	jsr	r4,@#ent6713-14	; check 1f and 2b
	adc	SZ9400
	jsr	sp,@-61(sp)	; @#x (r)+
	adc	@(r1)+
m$4100:	jsr	r0,@'1
	add	@-(r1),@(r5)
	sob	r1,L6358
m$3780:	mark	221.
	xor	r0,@(r2)+
	cmpb	(r2),(sp)+
	bhi	6f
OFF1484	= .+2.
	bitb	@#ent823+1,@(r5)
	sbc	@-112(r2)
	wait
	rts	K1983
	xor	r3,@-130(r3)
	cmpb	@#ent823+37,r5
	tstf	"fZ(r2)
	add	@#sub4328-lp3585,@(r4)+	; <odd> text
	sob	r2,m$7694
	add	-47(r4),@(r5)+
	decb	@(r2)

	sob	r3,bf2710
bf4344:	rts	r2
	mov	sub6990(r4),@'y(r3)
	mul	@r1,r2
	bmi	0b
	.ascii	<f"Xp\q]%zu9q>
	.even
	addf	fr2,fr2
	add	#14358.,@r2


	jsr	r0,@lp3213
	mov	K8726,@-26.(sp)

	rtt
	mtps	@-55(r3)
	rti
	movof	fr1,fr5
	.word	27310
lp4357:	bne	bf5037

bf5184:
	.word	lp3901
	mfps	@'c(r0)	; mov r0,r1 here
	sxt	@-(r4)
	cmpb	@#32586.,@L1795-bf2874(r4)
	bis	-66(sp),@(r1)
	subf	-14(r2),fr2
	sub	(r1),@(r3)
6:	.word	'$
	com	@(r3)+
	bes	L8082
	beq	ext1155
	ror	@#161035	; the end
	cmpb	r3,@#ext8614-4
	bic	-(r2),-104(r2)
9:	.ascii	<":?9w(]xoed5%\>e\pg}X>
	.even
	bitb	@"af,lib6186(r3)

tb778:	add	r5,@(r0)+
	jsr	r1,(r1)
	jsr	r3,@r5	; loop: again
bf5537:	1:	decb	(r2)+
	bisb	@-(r1),-102(r2)
	[sub6990+N_8044]*2	; loop: again
	bic	-(r5),-11(sp)
	mark	12.
	sob	r4,3f
	. = .+14
4:	bitb	#L867,(r1)+
	absf	@-(r2)
	sub	tb615,-(r0)
	movb	@(r5),-(r1)
	add	!150142(r5),@r2
	"Yf
	sys	sub4669
	. = .+6
	L8349	; check 1f and 2b
m$6069:	L4751:
	sub	-(r0),@r2
	. = .+8.
	movfo	fr2,-23(r0)
	xor	r0,@"ce
	bpt
	. = .+4
	jsr	r5,SZ2677(r0)
	negb	(r4)+
	bge	m$4231
9:	bvc	8b
8:	mpy	@(r5)+,r2
	.data
	'a
	!15232.
	.byte	102652, 150, 98., -31, 'Y
	.byte	325, sub364-tb6114, 130, 172., 337, 15, -61, 'c
	ext9371+43
	.even
	.word	'b,lib2876-12,SZ5451,'b,-45	; the end
	173311
	.word	[ent3655+N_642]*2,'a,x_3604-10.,[lp8328+OFF2541]*2,sub607-bf9716
	.word	.
	sub5208
	.byte	OFF6815\<2, m$1964

	.even
	.byte	-83, 351
lp4208:	.ascii	<:`lZ'>
tb6245:	.word	x_3088,bf6894+1,!71041
	.word	!15404,OFF6401,ent855,lp4112-4,'1

	.word	OFF6815\<3
	.word	.
m$7455:	.byte	'0, '9, '0, '+, 'a
2:	.byte	126, 74, -42, lib7998, 241., 104., 56
lp1842::	x_1794:	.byte	'9, 202., 306, 52
	.ascii	<1p*k]A]{?'=k2:"|'o>
1:	.word	59785.,-74.,30718.,[bf8310+K1090]*2
	.ascii	<Ze\qeY\e^)f)&-^h  3;+>	; a,b,c
	x_3604+2.	; @#x (r)+
	OFF2541
	.byte	lp2120+1
	.ascii	<poj\n:9{2e0|2p#s6>
	.ascii	<z0^>
tb6658:	.ascii	<7:ddh:9cynorm{]%,_/\n%?x$>
	.word	.
L1611:	.even
	125270
	.byte	-29, tb642-lp56
	.ascii	<xq>
	.even
	.ascii	<38C"7>
	.ascii	<>	; a,b,c
	.ascii	<.9i$?5-.A9?>
	.word	L9052,sub2402,m$6086
	.word	133770,ent1976,tb9967+23,SZ6005,sub2402
	.word	L4563,"Xa,60317,m$5830+5,bf5537-bf2710
	.word	x_7856,lib3529
	.byte	bf1575, -22
	ent4205
	.byte	164., 'X, 26, 150, 25, K2591\<2, 110.
	<'$[\s|c^~\r<7%n1}}/&#7(X>
	.word	ent6301-sub8085,sub6990+26,6356.
	.ascii	<;7)hz{>
	<0Y3o1]{zp\q\t4\r/q:|#i4}=\pu>
	.even
	V7339
sub3216:	3:	r1
	.ascii	<g\r>
	lib7998
	.word	'2

sub6990:	.word	42733.,bf1575,ext1155
	r5

	.ascii	<5=lY>
	.byte	'+, ext42-6, "aZ, N_642, 303, '0, 'X
	.word	K894\<2
	.word	m$9381,!27915.,-47.	; a,b,c

	.even
8:	.ascii	<@8|e%>	; a,b,c
	'y
	sub772
bf854::	.word	SZ6005,bf6375+37,105247,151046,sub1360
	.byte	250., -68, 222, '0, -10, 203, 305
	!174644
	.globl	bf4704
	.byte	!22763, '9, sys_1513-3, 'a, 'c	; the end
	.word	lib4149,-61.,48557.,N_8044\<5,bf5184+43
	.ascii	<};dfjB1q6c&\0Yw)">
L8082::	.byte	'Z, 162., 42, 'a, 72
	.word	.
	.byte	-29, -36, 'Y
	.word	ext8614,m$4947
bf4704::	.ascii	<:Ch`.5&>
	.ascii	<;$v,X?:~w=?;;w\n-rkdv1`2B~Z>
m$4563:	.ascii	<bw/9?fwi[9\qaa\sp{!xz{"xy2>
	.word	lib3529,m$8418,9952.
	ext6655
	tb615
x_4779:	.word	sys_829-17
3:	N_8044\<1
	.word	x_7625,55170,lp2796-m$4895,ext9371,40805.
	.word	m$1025,!174275,SZ5451\<0
ent823:	.word	N_4416,!19866.,[lib6186+OFF6401]*2
bf1575:	.byte	153., 'b
	.word	bf6375+8.	; @#x (r)+
lp6029:	124670
N_9920	= [OFF6815+OFF9337]*3
	.word	.
tb8486:	.word	"cX,OFF3674,sub3519
	.word	lp5216+24,-51,24107,[tb46+OFF6815]*2,ext6907	; check 1f and 2b
	<j42?6/b>
	.word	bf4344,111446,L4854+23,m$1736,'#
	.word	bf4725+32,-84.,tb5892-11
	ext4333

	.word	23480.,sys_6646,sub772-23,'%
	.ascii	<^q4}\r`:?g:>
	.word	N_8044\<5
sub5647:
V6589	= 7.
	.word	"Zb
	!16951.
	.word	[L867+K1090]*2,lp4112+45
	.byte	116, 67, 143., 115, 'b	; a,b,c

	.word	.
	.ascii	<t\r(wxZzxa",m\t\pe>	; @#x (r)+
	48625.
	.word	64067.,!152611
	.byte	373, 45, 'Y, 156.
	.byte	86., 123, sub9954, -51, bf6375, 'b, [tb239+SZ4320]*2, 'a
	.byte	tb1115-5, 81., 337, 243, bf3213-5, 110
	.byte	70
	.word	tb418,tb9178+40,SZ3599,sub3519+17

	.even
	.ascii	<nc-~i3r6+rcg9or-/2}$5|6 n\p*Z>
	.word	!170617
tb1115:	.even
	.even
	.word	.
6:	.word	100731,lib7998,bf3213-14,'#,tb4469
	.byte	38., bf6375-15., '+, 6, 'c, -107, -53
	.even
	.word	x_3604+46,[sys_6646+OFF6401]*2,L8349+42,60142
	.word	[sub488+V7339]*2
	.ascii	<|6&|,_|_!l\no7>
	.byte	-100, 4699., 300, L1959, -88, 216., [m$1025+K1090]*2, 35244.
	.word	ext42+4.
	.word	[sys_7931+OFF2541]*2,OFF2541\<4
	.even
	.word	N_8044\<0,x_9551
	.byte	-117, lib4149+28., 220, '+, 95.	; the end
	<?^rh&$emwtp1i]=+gim)\0q>
bf6375:	<+ax&=\0\e{\p,i35?2>
	<ilA.)\>4Xjo0>
	.ascii	<!?o?$q<)i#ihYp>
3:	.byte	246., 153616, 137., 'Y, 185., '0
K2890	= m$8418-bf2710
	.word	m$1512-4,9221.,K2591\<6,143234
	.byte	66, 'X, -67, 322, -29, -108, lib3529
bf2002::	.byte	'9, 321, -95, m$4231, '0
	.word	-133,"bb,53336
	.word	.
	.word	SZ4320,OFF3674\<1,-54,lp4112-sub8085
sub5343:	.word	.
	.byte	'a, '+, 176, 3
	.bss
	.globl	sys_2311,ent1976,lp6029
	. = .+33
tb615:	.blkw	5.
	.even
	.even
	.blkw	5
	.even
	.blkw	[OFF2541+3]/2
	. = .+2.
3:	.blkw	[OFF3674+3]/2	; loop: again
	. = .+0.
	.text
	cmp	#V4704\<4,@#sys_4796
	movb	sys_2311,@(r5)+
	cmp	#55328.,@#144366
	ldfps	fr1
	bitb	@r4,110762(r2)
	bec	3b
	dec	@#-273
	dvd	@#'A,r2
	clrf	fr1
	jsr	r4,@tb8711	; loop: again
	incb	@#!146426
	sys	191.
	bisb	@-(r4),@#m$2434
	jmp	@#-171
K847	= .+4.
	-123
OFF7719	= 40
lp2120:	jsr	r4,(r1)
	dvd	@#70352,r0
	jsr	r4,-(r2)
0:	.ascii	<]-.n>
	mpy	@#ext2291,r0
	sen
1:	adc	-134(r0)	; the end
	modf	@.+156,fr3
	bitb	bf3213+9.(r5),r1
	bit	@-(sp),@(r2)
	bitb	r1,@-35(r5)
	mov	r4,@(r0)
	neg	@(r2)+
5:	cmpb	@lp7416,@-65(sp)
	bicb	@r5,-(r1)
	bitb	@r5,@r0
L867:	add	@r0,r0
	sen
	cmp	@(r0)+,(r2)
	add	sys_2184-5(r2),r0
	sys	252
	jsr	r5,@(r3)
	cmpb	r5,L659(sp)
	xor	r1,-77(r1)
L4563:	1:	mov	OFF7186,OFF6815(r2)
	asl	@[tb6811+SZ2677]*2
	sys	366
K6864	= m$1921-bf1944
x_3604:	.word	sub8085+47	; loop: again
	add	@#'2,@.+72
	m$2333-lp1754
	sev
	subf	fr2,fr0
m$1025:	jsr	r5,-27.(r2)
V6953	= V3508\<1
ent9364:	alsc	@r5,r2

	jsr	r0+1,41169.
	bcs	sub3519
	negb	@r4
	halt
	mpy	@#.+94.,r1	; @#x (r)+
	comb	@-(r2)
L1959:	bis	-(r0),(r3)
	subf	fr1,(OFF7186)
	jsr	r3,@(r1)+
	bicb	@-55(r2),(r5)+
	movb	@-10(r4),-111(r4)

	cmpf	fr3,fr3
	com	(r1)
1:	mov	r0,-234(r4)
	sub	@-(r1),@(r2)+
	bcc	ent6425

	jsr	r5,@(r2)+
sub1716:	bicb	#-56.,r0+1
	bvc	m$6669
	cmpb	@[sys_2311+N_4416]*2,@#x_2103
	bicb	@-(r1),@lib8729(r5)
	sob	sp,ent6425
	movif	fr0,fr2
1:	jsr	sp,-(r3)
	nop	; a,b,c
	cmpf	fr1,fr1
	bitb	-(r5),'9
	addf	fr2,@(r5)+
	rorb	@(sp)
	tstf	fr1
	cmp	#sys_1513-23,@(r5)+

lp6009:	9:	bit	-(r4),(sp)+
	neg	@#'z
	bvs	.+42
	movf	fr3,fr1
	negf	sys_1513+31
	bit	#V6589,@#.+116
	comb	@bf8127
ent2779:
	tst	V7339	; check 1f and 2b
	mov	@-(r3+1),@-(sp)
	movfo	fr2,@157173
L5542:
5:	sob	r2,m$7594
	.+44
	dec	@#OFF2541\<6
	movei	fr0,-(r3)
	ble	2b
	bitb	#bf3213,-21(r3)
	bcs	3f	; loop: again
SZ3327	= 33	; loop: again
tb7866:	jsr	r0,-101(r1)
	.ascii	<:1s7o9a[m^\\f|m*\>i\p4!\tm:\np0 >
	.even
	ldfps	fr3	; loop: again
	blo	sub8171
	bitb	@r1,@"af(r2)
lp1566:	bf3243::	mov	@r5,@(r1)+
	blo	lp9935
	.bss
	.blkw	16
	.blkw	8.
	.blkw	19.
	.blkw	15
	.blkw	25.
	.blkw	0
	.even
	.even
	.even
9:	.blkw	K7477+0
K365	= m$7694+23
sub9324:	.blkw	V2763+0.
	.blkw	SZ6005+4
	.blkw	SZ3327+1.
	. = .+15
sub9954:	bf3213:	.even
	.text
	bicb	-(r5),@-(r0)
	jsr	r4,r0
	movei	fr2,lib5365(sp)
	sub	@(r0),@(sp)
	clrb	@sub5208
6:	bvs	.+34
0:	bisb	#tb4631,@-(r3)
	cmpb	@#tb111,-(sp)
	.word	ext6655
	com	N_4297	; the end
	movie	fr0,@-6.(r1)
	mov	r2,@[ext2291+V8711]*2(r2)

	bisb	@(r0)+,(r4)+
	.data
	.ascii	<f^^0\s~wp\\\rl \e_i:3[">
x_7625:	.word	52295.,ent3299,41029.,bf5173
	.byte	157, 83., -84, 262, 33., 115., 353, 120
	bf4761
	.byte	[lp2261+N_2449]*2, '+
	.word	V7339,ext42+5.
	.byte	-65, 303, '+, 170., '+, -78, 34, 113
	'A

	.word	[lp268+N_3707]*2,ext8614,lp7650,.+122
	.word	!764,[lp1564+N_642]*2,ent1811-sub364
	.ascii	<+nx$m[w69*+\\\nxdY9(-sY<>
sub3519:	.ascii	< :>	; check 1f and 2b
	.word	SZ5451\<3,'z
	tb850
L7527:	.ascii	<0nnjllY]9q/u0<-,00:\q9~]:!>
lp3864::	OFF3674
	.byte	273, 266, '+, 'c, 212, 'c, 58., 240
	.even
	.word	-26
	.word	ext6730-6.,V9755\<2,!18290.,lp268,34254
	<&7<<$|j]r7^m!?\\d;h\e>
	.byte	'a, 'a, '+, 355, 245

	.word	.
	.ascii	<=jip1{6u>
	.byte	[m$8250+OFF6401]*2, 68., !167576, 'a, 'a
	.word	!166457,[lib6186+N_642]*2,-37,lib2129,lib2129
	.word	22060
	.byte	75, V9755, 373, -301	; mov r0,r1 here
	.ascii	<1]{"?f;;`&?[v\tA~[%1\\k)>
x_9765:	<Yeg\q<'_=e?o6l*>	; the end
	!27003
	.even


	.word	x_3098,tb7268,V9755\<0,m$7500
	OFF2541
	.byte	x_5078, tb9428
	L140
	.byte	-108, 165262, 206, 255, 201, 300
	.ascii	<q<\n+\\^yr2^*zq0jxz}C~p"C9rBA>
	.word	.+46,N_2449,x_5078
	.byte	'1, OFF9027\<2, 'a, 222.
bf2475:	'$	; the end
	.ascii	<y^tg151#4>
SZ1354	= 5
V7568	= lp268+0.
	.word	N_642\<4,lib6529-17.
	.word	N_642\<3,bf4357,156436,lib3529
	.word	'9
	bf1070
	.even
7:	.even
	.byte	365
	.ascii	<-4wy\s&zB$u+\\>
	.even
tb1654:	.word	-221,ext9371,tb9428,tb111,lib3201
	sub5182
0:	.byte	sub4806, L6171-13, 'X, 'Y, 301, 15, 21, '9
bf5173:	<:Bx&`|:%\0>
	"ce
	.word	.
	<~z}\enc{B1>
	.ascii	<ux{`ad}-&=`-[h(_"\e5>
	.ascii	<@+|wv/09u,)ja~$\s!46>
	.even
	.ascii	<\\?aiuA*w>

	.byte	'Z, 15, -2, 306, 50177, '1
m$6669:	.ascii	<bbC<:Cz0;7Bl4%[\s>
	.word	'9,sub6367,ext1155+19.,.+102,x_5078+39.	; the end
	<\n#s?k>
	.bss
4:	. = .+17
2:	.blkw	2.
	.blkw	23.
	.blkw	[OFF7719+3]/2
	.blkw	SZ6005+4
bf8127:	.blkw	[V6589+3]/2
sub7379:	. = .+17.
	.blkw	[SZ3327+3]/2
	. = .+3.
	. = .+3
	.blkw	11
	.even
	.blkw	4.
	. = .+7.
	.blkw	[V7339+3]/2
	.blkw	37
	.blkw	[N_3707+3]/2	; loop: again
	.blkw	V4704+0
	.blkw	SZ2677+1
	.blkw	42
	.blkw	[V7339+3]/2
	.even
	.blkw	[OFF6815+3]/2
	.blkw	[SZ2677+3]/2
	.blkw	19.
	. = .+1
	.blkw	14
	.blkw	2	; a,b,c

	.blkw	6
tb4631:	.blkw	17
	.blkw	4.
L6171:
	.blkw	SZ2677+4.
K5701	= L4751-ent9096	; <odd> text
	.even
	.blkw	V3508+0.
	.blkw	38.
	.blkw	N_2449+0.	; @#x (r)+
	.blkw	15.
K2746	= SZ1354|OFF9337
	.blkw	27.
	.blkw	[SZ6005+3]/2
	.blkw	K1090+4.
	.blkw	10
	. = .+29.
	.blkw	N_2449+0.	; the end
	.blkw	35
	. = .+33
	.blkw	23.

	. = .+11
	.blkw	SZ3327+1.
	. = .+0.
	.blkw	30.
	.blkw	13
	.text
m$7594:	addf	fr2,@51404(r2)
bf384:	5:	bic	@.+156,OFF6401\<1
	jsr	sp,@-(r3)
lp9609:	bf6327:
	jsr	r3,@(r3)	; loop: again
	tb9428
	sob	r2,bf5899

	bis	@OFF1304(r3),@-(r4)
	divf	@(r3)+,fr1
	.globl	ext2291
	add	@r1,(r0)
tb9428:	xor	r0,@(r5)+
	tstb	-70(r3)
V6151	= 20
ent6425:	x_9520:	blt	1f
	rol	@sp
	bic	@5436,(r4)+
	xor	r5,-40.(sp)
	sob	r3,0b
K4702	= L921+5
	bit	-36.(r2),-(r0)
x_5078:	sen
	bit	(r2),.+50
	131604
	.ascii	<u9\e~ Xv'|,y,_7zr1@o`7?\>,7>
L2427:	.even
	cmp	#.+120,[lib7998+V3508]*2(r3)
	bmi	.+2
ent4342:	bitb	-(r5),@#m$7012+36
	mov	K1983,@(r5)
	ble	7f
lp268:	lp8897::	cmpb	#55616,@-(r2)
	neg	@r5
	clrf	@36037.(r0)

	.ascii	<e5uil"lY}#w![yn{ozsu;w.>
	.even
	mul	@r3,r4
	.ascii	<x+\\m0Y2\n+t>
	. = .+0
m$8250:	lp1564:	tst	r3
	subf	fr2,fr4
	bgt	5b
	swab	-(sp)
4:	bmi	lp2013
ent3299:	movb	@bf6327(r0),OFF2541\<1
	addf	fr2,(r2)
	bisb	@-(r4),-(r4)
	mov	r4,ent2508-11(r5)
	bne	ent2024
	add	@-33.(sp),sub2236
3:	bisb	#163061,-73(r1)
	bitb	@(r4)+,(r3)+
	clr	m$751+2.
	rolb	@(r3)+	; mov r0,r1 here
	mov	r5,35473.
	add	@r1,@r1
	sob	r5,tb3122
	movfo	fr3,(sp)
	sys_829	; the end
	bne	1b
	ash	@L9796,r4
lp7650:
	.globl	m$6069
	bicb	(r3)+,@(sp)+
	stfps	(sp)+
	bitb	-(r1),@OFF7719(r3)
	sev
	.globl	m$2965,tb46
	movfi	fr3,SZ2677
	bicb	@'#(r3),x_5730(r3)
	blos	2b
	sub	-(r2),@-17.
	beq	ent4857
tb850:	tst	-(r0)
	bes	x_7030
	sob	r3,ent4630
	bic	@(r4),@sys_9952
	bit	@-(r0),(sp)
	setd
	bpt
	.data
	.even
4:	.word	.
	.byte	64341, 55531, 15., 165., 15
	.word	N_3707\<3,tb8794,lib1138,53073,'$
bf4761::	<~}2x^c#@5C+%\\~v +1?z$pl/>
	sys_829+13.
	.word	ent2508
	.word	!164571,[x_5038+OFF6815]*2,31004.,lib5365+42,lp6009
	114300

6:	.word	!23254,'y,V4704,'9,tb833-20
	.ascii	<{(&4$**g:{?$^q!!\qo~%>
	.text
	bic	#-300,135667
	asl	(sp)
	rts	r5
	movb	@x_7338-20,-121(sp)
	mov	@r2,@(r5)+
	mpy	-32(sp),r0
	movb	@-35(r1),@(r5)
	clrb	@-(r0)
	mulf	fr3,fr1	; loop: again
L140:	sub	40704,@176663(r0)
	tstb	r5
N_9996	= lib6186+6
	absf	fr2
m$2692:	tstf	@r1
	negb	-(r1)
	add	r1,177707
	bic	@(r1)+,r2
	add	OFF9337,@-47(sp)
bf1070:	x_5038:	alsc	lib6186-5(r2),r4
	bit	(r3)+,-122(r3)
	rorb	@-(r1)
	rts	r0
	clrb	@-275
	mov	r3,@-43(r2)
	mov	r5,@sub9521
m$2965:	bitb	-(r5),@-12.(r3)	; check 1f and 2b
	movb	@(r2)+,-(r3)
	ashc	@!161452(r2),r0
	rts	r5
	bmi	lib8729
	.ascii	<@b ennizi.e:^f3\n,(]3>
V311	= 48.
	mpy	N_2449,r1
	.data
	.byte	V2763, 'Z, ent3814, 146, 175
	.ascii	<l\e>
	.word	ent5953,'x,ext42+42
	.word	.
	.word	lp9006+11,bf8386+26,lib2129,115756,bf3685-tb9428
	.word	32674.,tb850-sub364,ext2622-15,bf2778
	.ascii	<}9>
4:	.ascii	<C^=\t\>qY&~5`rf>
	.word	-172.,bf2442-4.,.+44,1	; @#x (r)+
	.word	ext9371+12,bf7898,'9
4:	.byte	50, '9, 74, '+, 'Y, 89., 114, 241
	<ae>
lp796:	.word	sub8992,-62.,100350,-306
	.byte	-49
	127063

6:	.word	ext4333,-123	; mov r0,r1 here
	<d\tz(z\p8*aig_Cri!66#bc&'6`B:x>
	.byte	103, 33.
	.word	135662,V3508,[lp2013+OFF6401]*2,N_642
	.word	153145	; a,b,c
	.byte	337, 137, 132, 205., x_7856, m$4563-2, '+, [ent2508+OFF1304]*2
x_6150:	.byte	'c, m$183
x_5730:	ent4816
tb6831:	.ascii	<fgh'\\/bZ\t\n\t69c91k+o%|a.5_`>
	.ascii	<vp_){d&duZ|\r/-9C`9|4pX"x\e'r>
	.word	L7893,!157227,61002
8:	.word	.
L9796:	.word	sys_6460+37
	.word	46367	; <odd> text
m$6640:	.word	.
	.even
lp5641:	.word	sys_6646,K894,'%,'y,V311
	.word	.	; loop: again
	.byte	'X, lp2013, 227
	.ascii	<qgX1f>
ent1617:	.byte	173., 131
	.word	tb833
	.ascii	<untwt~yv_d.Agn)\rz'ia>
5:	.byte	OFF9027\<0, 57, bf3685, -103, -69
N_7112	= bf2787+10
	.byte	'Z, 143, sys_7931, L1317-lp2120
	.word	lp1842-5.,131413,OFF9337,m$751+7,36131
tb3122:	.word	'A,120265,sub4213
	.word	121316
	.ascii	<8j*~h+9>
m$7012:	V2763
	.byte	'0, !123122, "Xd, 109., -87, 125
lp2013:	.ascii	<0c 9>
	.even
tb518:	.word	.
bf6745:	.ascii	<c,n>
	sub8992
	.word	x_2836+43
5:	<|]*#rd(9f@:;ml\r~__wuf*2YdX`}>	; mov r0,r1 here
	.word	lib6186+23,bf1813
	.bss
	. = .+3
	.data
	.word	lib2876,ext8614-2.,m$5748
	.byte	11.
	.word	bf3582+16,tb9939,ent4630,sys_2184-12,ent9368-L921
	.byte	'b, K7477, 232, 139., 360, 'c	; the end
	.even
ent1100:	.ascii	<sfm:Bp%#4*`? ;_`|>
	.byte	[sub8008+OFF9337]*2, 'c, '0
L397:	.ascii	<{1~1-`\r?d*7>
	<v41(\q4\>w^v_},_'>
	.word	SZ6005
ent2508:	.even
	.word	22746.,L397,[bf2787+SZ1354]*2	; the end
ent5799:	<0|Zm8*ixjsm[lf$w[0>
tb2869:	.ascii	<*+@7ZX`r5)(m|pp)>
	.word	.	; a,b,c
	tb3714-2.
	<%o\\[piq4e=$70uwj}07f}t@>
	.byte	367, -120
SZ6783	= 20
x_9477:	.word	.+116
	<-@zsc`X>
bf2778:	.word	.
	<j5<42f\t^`>
	.byte	271, 273, 354, 'b, 123., 377, .+144, 210.

	.ascii	<#Y^(8uv?emYbwe};a>

bf3582:	-143
	SZ3327
	.word	x_5038-L2427,120151	; <odd> text


	.word	lp986
	.word	L305-m$3780,tb6811-5

	.word	49104.,41015,x_2262-20,bf2826,25657
bf1813:	.ascii	</<@4x.1+o)A\rj(#!j>	; the end
	L9005-bf3243
	.word	15148.,!162544
tb7429:	.even
m$5014:	.word	sys_7931	; check 1f and 2b
	.word	!157452,26607,lib7998,tb937+37,ext2291-1
	.byte	-90, -76, 'Y, 135, 345, '9, 203
ent4816:	.ascii	<; |9-z{>
	.word	m$2322-5,x_6465
	.byte	'Y, 21, '9
9:
	.even
	.ascii	<=X`>
	.byte	143., [ext6730+OFF9027]*2, ent5953+31, 'Y, 332, L659, tb2511	; the end
	<>
	.even
	.word	!42247.
	.ascii	<@a!j\p^<6\rv-i>
	.text
	.ascii	<cl2XBcb|x/:''7>
	dvd	@(r4)+,r0
L5866:	.word	"eY
5:	jsr	r3,ext42+42(r0)	; loop: again
sub8992::	.word	x_9765
	trap	212.
	rti
	bhi	5b
	.word	m$5014	; <odd> text
	negb	lp986(r1)
	bisb	lp823-ent3971,(sp)+
	bisb	@(r5)+,(r3)+
7:
	ble	8b
	clr	@#25740.
	mov	@(sp),@-55(r3)	; <odd> text
	subf	fr3,fr4
	bic	-(r4),sub364-lp7650(r0)
ent5953:	sub	-(r0),@-25.(sp)
	. = .+10
	mov	r5,L5234(r2)
N_9399	= 64
L8548:	blo	sys_2184
x_2836:	mov	@-(r3),@lp1566-m$8418(r0)
	bne	7b
	mark	lib2876
	N_2449\<4	; @#x (r)+
	bit	(sp)+,@(r5)+
	.ascii	<lhY!e4)/[#w0C/dc{vzY>
	rts	r2
	sys	54
V6444	== 63422
	sev
	adcb	@#L305-m$2333
	ent5785
	bis	-133(sp),r1

	tst	@#ent3971
	bic	@(r3)+,@lib4149-21	; the end
	.word	sub4669
	sys	.+70
	neg	@(sp)+	; @#x (r)+
	. = .+2
	jsr	r5,(r5)
tb240:	x_6281:	bhi	.+4
	movfi	fr2,-(r3)
	aslb	@(r4)
	dec	@ext6655(r0)
	alsc	@(r2),r1
	cmpb	bf3571-14.(r0),@(r3)
	xor	r2,23969.
	add	(sp),@-(sp)

	mov	(r1),@-(sp)
L7893:	sub	@bf5167+25(r3),@(r0)+
	movf	fr3,fr4
	asrb	sys_2184(r4)
	bcc	lib5365
lp7581:	sub	@r3,r5
	.ascii	<B\r\0\s~qao,:"0\\7/XXZ$}'pZ+>	; the end
	mulf	fr5,fr3
	add	#tb9961,(r0)+
	.ascii	<@X(pf[4!<j{9/(%-i|>
	. = .+10.
	. = .+10
	.word	[sub5304+V6589]*2
	.word	[lp4142+V311]*2
	asrb	N_3707
	movb	@#132256,(r1)
	setf	; @#x (r)+
	div	-99.(sp),r1
	mov	sp,r5
	rol	@sys_7931+40
	.data
	.word	sub7766,bf4704,bf2787	; @#x (r)+
bf2787:	.ascii	<,y%i)lbjg*a>
L4419:	.even
	.ascii	<\e\q;l.rr\eAs[%!j&}>	; loop: again
	.word	SZ5451\<4,m$157+2,m$8958+20,-54
	.word	SZ6783\<7,bf5429-4
	.even
	.byte	147, 317, '0, 61, 'c, -31, '0
	.ascii	<>
	sub7791
	.byte	213., 'X, '+, !44454, 'b, lp4142
	.byte	257, -36, 163., 363, -71
	.byte	-110, 23, 51, 64366, 'Z, 342, '+, 323
x_6465:	.word	.	; check 1f and 2b
x_7093:	.word	.
m$4613:	.word	.
ent6482:	[x_6967+SZ3327]*2
	.byte	'X, 5, '+, 238., 146711, 122, 'b
m$7199:	0:	.word	L5234+5,54571
	.byte	102., 74, -95, 74, -37
	.word	.
	.word	.	; mov r0,r1 here
5:	.byte	172, 'Y, V6151
	.word	.
	.word	tb5393,sys_2311,ent3562-2,[tb6002+K2591]*2	; the end
	.bss
2:	.even
	.even
	.even
L5980:	.blkw	[SZ1354+3]/2
4:	.blkw	32
	.blkw	35
	.blkw	V9755+1
	.blkw	[N_642+3]/2
lp1512:	.even
	.blkw	[N_2449+3]/2
	.blkw	K1090+1.	; loop: again
	.blkw	[V9755+3]/2
	.blkw	V3508+0.
	.even
0:	.blkw	[N_8044+3]/2
	.blkw	[V7339+3]/2
	. = .+0
	. = .+17
	.blkw	[K1090+3]/2
	.even
	.blkw	[SZ4320+3]/2
	.blkw	[V6589+3]/2
	.even
	.even
	.blkw	23.
	.blkw	[OFF1304+3]/2
	.blkw	V7339+1
	.blkw	[V9755+3]/2
N_3711	= lp9152+bf1813

	.blkw	[K2591+3]/2
m$2322:	. = .+35
	.even
	.blkw	OFF7719+2
	.blkw	37
	.even
L3100:	.blkw	[K7477+3]/2
	.blkw	16
lp4983:	.even
	.blkw	V8711+2.
	.blkw	18.
	.blkw	K2746+2
	. = .+17
	.even
	.blkw	7
	.blkw	SZ5451+2	; check 1f and 2b
	.even

	. = .+28.
	.even
	. = .+3
	.blkw	K7477+2

	.blkw	33
	.blkw	K7477+4
	.blkw	V2763+2
	.blkw	[V9755+3]/2
	.text
ent3562:	rts	pc
m$157:	rts	pc
sub7791::	rts	pc
lp4142:	rts	pc
bf5429:	rts	pc
L5234:	rts	pc
0:	halt
1:	halt
2:	halt
3:	halt
4:	halt	; mov r0,r1 here
5:	halt
6:	halt	; @#x (r)+
7:	halt
8:	halt
9:	halt
