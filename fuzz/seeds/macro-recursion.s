n = 3
c = 0
.macro r
c = c + 1
n = n - 1
.if .gt. n
r
.endc
.endm
r
done = c
