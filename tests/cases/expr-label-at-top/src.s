; a numeric label on the last byte of the text segment is still defined
. = .+177777
1: .byte 0
x = 1b
