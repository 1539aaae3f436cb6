; a macro that calls itself without end
.macro r
r
.endm
r
