.irp r,<r0,r1>
clr r
.endr
.irpc c,ab
c: .byte 1
.endr
.even
