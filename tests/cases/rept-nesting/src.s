a = 0
b = 0
t = 0
.irp x,<a,b>
.rept 2
x = x + 1
t = t + 1
.endr
x = x + 10
.endr
p = 0
q = 0
.rept 2
.irp y,<p,q>
y = y + 1
.endr
.endr
u = 0
.rept 3
.rept 0
never = 1
.endr
u = u + 1
.endr
.macro mr s,n
.rept n
s = s + 1
.endr
.irp i,<s,n>
z}i = 1
.endr
.endm
v = 0
mr v,3
