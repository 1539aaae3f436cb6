x = 7
.macro outer x
.macro inner
v1 = x
.endm inner
v2 = x
.endm outer
outer 3
inner
.macro abcdefghij
v3 = 5
.endm abcdefghxyz
abcdefghij
