.nchr c1,<abc def>
.nchr c2,abc
v = 100.
.nchr c3,\v
.macro m a
.nchr c4,a
.nchr c5,<a a>
.endm
m hellos
.nchr c6,
