a = 1
.include nofile.s
b = 2
.include .
.include
c = 3
.macro m
.include inc.s
y = 2
.endm
m
