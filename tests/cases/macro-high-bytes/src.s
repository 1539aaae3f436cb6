; bytes above 0177 in bodies, arguments and remembered text are text like any other
.macro m a
; café a
x = a
.nchr n,<a>
.endm
m <1 ;é>
y = 2
.irpc c,éé
.nchr k,c
.endr
e:
