.macro g ?a
a: .word a
.endm
g
g
g
g
g
g
g
g
g
g foo
g
