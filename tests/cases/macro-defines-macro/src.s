.macro def name,val
.macro name x
x = val
.endm name
name name}v
.endm def
def set1,5
def set2,<6+1>
set1 p
.macro bad
.endm wrong
k = 1
.irp n,<aa,bb>
.macro mk}n v
n}v = v
.endm
mk}n 7
.endr
mkaa 3
