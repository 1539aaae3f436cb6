.rept 2
.irp x,<a>
.endr
y = 1
