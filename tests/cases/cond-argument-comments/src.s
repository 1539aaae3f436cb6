.macro m a,b
.if .b. a ; comment
x = 1
.endc
.if .idn. a,b ; same
y = 2
.endc
.endm
m ,
