n = n + 1
