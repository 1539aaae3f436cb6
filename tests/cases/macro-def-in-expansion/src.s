.rept 2
.macro mm a
a = a + 3
.endm
.endr
q = 0
mm q
.macro def nm
.macro nm
w = 5
.endm nm
.endm
def foo
foo
