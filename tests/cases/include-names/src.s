.include <sp ace.s>
.include  inc.s ; comment
z = 3
.include empty.s
.include last.s
y = 4
