1:
x = 177777
y = 200000
z = 8
w = 10.
c1 = 'a
c2 = "ab
c3 = '\n
sh = 1\<3
s = 1b
f = 1f
m = mov
rg = r3
