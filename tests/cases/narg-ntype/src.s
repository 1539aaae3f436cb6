.ntype t1,r3
.ntype t2,(r3)+
.ntype t3,-(sp)
.ntype t4,4(r2)
.ntype t5,#5
.ntype t6,@#5
.ntype t7,lab
.ntype t8,@lab
.ntype t9,@(r1)
.ntype t10,(r1)
.ntype t11,@r1
.ntype t12,@(r1)+
.ntype t13,@-(r1)
.ntype t14,@4(r1)
.ntype t15,pc
.ntype t16,-2
lab: .word 0
.macro nt op
.ntype t17,op
.endm
nt (r5)+
.globl g
.ntype g,r1
