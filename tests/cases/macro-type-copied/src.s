; a name assigned a macro name takes its type but has no definition
.macro m
.endm
y = m
y
z = 1
