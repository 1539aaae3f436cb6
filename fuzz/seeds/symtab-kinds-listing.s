; symbol kinds
abcdefghij = 1
tx:	.word	abcdefgh
	.data
dx:	.byte	0
	.bss
bx:	.blkw	1
	.text
rg = r5+1
mv = mov
kw = .eq.
ls = .list
bt = .byte
	.globl	un
gt::
un2 = un
