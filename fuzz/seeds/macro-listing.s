; listing of a macro
.macro st src,dst
mov src,dst
.word 0
.endm
st r1,(r2)
st 10(r1),r2
x: .word 1
