; a character constant is no single digit, even after a one-digit number
x = 1
'\0: nop
"\0\0: nop
