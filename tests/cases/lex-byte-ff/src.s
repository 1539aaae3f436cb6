a = 1ÿ
b = abcÿ
c = 2
