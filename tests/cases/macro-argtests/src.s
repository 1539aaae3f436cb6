e1 = 0
e2 = 0
e3 = 0
e4 = 0
.macro t a,b
.if .b. a
e1 = e1 + 1
.endc
.if .nb. b
e2 = e2 + 1
.endc
.if .idn. a,b
e3 = e3 + 1
.endc
.if .dif. a,b
e4 = e4 + 1
.endc
.endm
t ,x
t q,q
t
t <a b>,<a b>
t <a b>,<a  b>
f1 = 0
f2 = 0
.macro inner p
.if .b. a
f1 = f1 + 1
.endc
.if .idn. a,p
f2 = f2 + 1
.endc
.endm
.macro outer a
inner 1
inner a
.endm
outer
outer 1
