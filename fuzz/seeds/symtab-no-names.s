	.word	1,2
	
	.byte	"ab
	<hello>
; end
