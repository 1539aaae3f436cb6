v = 10.
.macro sv a
s}a = 1
.endm
sv \v
.word 0,0,0
lab: .word 0
sv \lab
w = 177777
sv \w, 5
sv \r3
sv \mov
