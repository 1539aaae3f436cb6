.irp ,<a,b>
x = 1
.endr
y = 2
.irpc ,abc
z = 1
.endr
