a = 1
.include nofile.s
b = 2
.include .
.include
c = 3
