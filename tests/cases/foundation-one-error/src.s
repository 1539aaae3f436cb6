a:
a:
