a = 1
.include inc.s
b = 2
