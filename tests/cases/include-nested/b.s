b1 = 1
.include <c.s> ; comment
b3 = 3
