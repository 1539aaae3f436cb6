	nop
x:
