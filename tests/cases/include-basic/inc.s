c = 3
.word 0
