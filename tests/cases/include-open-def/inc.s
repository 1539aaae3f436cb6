.macro m
x = 1
