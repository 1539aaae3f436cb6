.rept 3
.word 1
.endr
x = .
n = 2
.rept n
n = 5
.word 0
.endr
y = .
.rept 0
z = 1
.endr
w = .
