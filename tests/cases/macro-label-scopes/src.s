.macro inner
.word g
.endm
.macro outer ?g,t
.narg n0
inner
g: .word g
.narg n1
.rept 1
.narg n3
.endr
q}t = n0
w}t = n1
.endm
.irp ?z,<a,,b>
z}1 = .
.endr
outer ,1
outer x,2
c = n3
