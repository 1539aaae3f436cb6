	.word	1b
	.word
	.byte
a = 1+
	.word	[1+2
b = [1+2
	.word	5/0
c = 5%0
d = 3!4
	.word	a!b
e = )
f:
g = [2*[3+1]
h = 2*[3+1
	.word	1+2]
i = 1/[1-1]+4
