.ascii <ab>
.ascii <a\>b>
.ascii <a b\t>
