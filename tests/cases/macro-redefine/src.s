.macro mov a,b
.word a,b
.endm
mov r1,r2
l1:
.macro m
.word 1
.endm
.macro m
.word 1,2
.endm
m
l2:
mov 1,2
l3:
