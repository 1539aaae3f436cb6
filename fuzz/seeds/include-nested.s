a = 1
.include b.s
z = 3
