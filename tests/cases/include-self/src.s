; this file includes itself
.include src.s
