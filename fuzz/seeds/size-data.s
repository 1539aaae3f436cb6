	.byte	1,2,3
c1:	.word	1,2,3
c2:	.byte	4
c3:	.even
c4:	.even
c5:	.ascii	<abc>
c6:	<de>
c7:	.even
c8:	.blkw	3
c9:	.blkw	0
c10:	.ascii	<a\>b>
c11:	.ascii	<>
c12:	<x\ny>
c13:	.blkw	-1
c14:	.byte	'a,"bc
c15:	.word	c1-c2
c16:	.blkw	c3-c1
c17:
