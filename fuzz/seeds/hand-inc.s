.if ndf once
once = 1
.include hand-inc.s
.endc
	mov r0, r1
