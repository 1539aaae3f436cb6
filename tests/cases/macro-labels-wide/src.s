.macro g ?l
.nchr c,<l>
.endm
.rept 4096.
g
.endr
g
.macro h ?l
l = 1
.endm
h
