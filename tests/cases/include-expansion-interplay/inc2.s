.irp y,<1,2>
w = w + y
.endr
m inc1.s
v = 5
