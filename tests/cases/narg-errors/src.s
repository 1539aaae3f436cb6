.narg .
.nchr .,abc
.ntype .,r1
.ntype n,@@r1
.nchr k abc
