n = 0
.irpc k,abc
n = n + 1
v}k = n
.endr
.irpc k,<a b>
n = n + 1
s}k = n
.endr
.irpc k,<>
z = 1
.endr
