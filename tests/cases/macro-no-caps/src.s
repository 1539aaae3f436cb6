.macro big f0,f1,f2,f3,f4,f5,f6,f7,f8,f9,f10,f11,f12,f13,f14,f15,f16,f17,f18,f19,f20,f21,f22,f23,f24,f25,f26,f27,f28,f29,f30,f31,f32,f33,f34,f35,f36,f37,f38,f39,f40,f41,f42,f43,f44,f45,f46,f47,f48,f49,f50,f51,f52,f53,f54,f55,f56,f57,f58,f59,f60,f61,f62,f63,f64
.narg n
f64 = 7
f0 = 1
.endm
big z0_aaaaaaaaaaaaaaaa,z1_aaaaaaaaaaaaaaaa,z2_aaaaaaaaaaaaaaaa,z3_aaaaaaaaaaaaaaaa,z4_aaaaaaaaaaaaaaaa,z5_aaaaaaaaaaaaaaaa,z6_aaaaaaaaaaaaaaaa,z7_aaaaaaaaaaaaaaaa,z8_aaaaaaaaaaaaaaaa,z9_aaaaaaaaaaaaaaaa,z10_aaaaaaaaaaaaaaaa,z11_aaaaaaaaaaaaaaaa,z12_aaaaaaaaaaaaaaaa,z13_aaaaaaaaaaaaaaaa,z14_aaaaaaaaaaaaaaaa,z15_aaaaaaaaaaaaaaaa,z16_aaaaaaaaaaaaaaaa,z17_aaaaaaaaaaaaaaaa,z18_aaaaaaaaaaaaaaaa,z19_aaaaaaaaaaaaaaaa,z20_aaaaaaaaaaaaaaaa,z21_aaaaaaaaaaaaaaaa,z22_aaaaaaaaaaaaaaaa,z23_aaaaaaaaaaaaaaaa,z24_aaaaaaaaaaaaaaaa,z25_aaaaaaaaaaaaaaaa,z26_aaaaaaaaaaaaaaaa,z27_aaaaaaaaaaaaaaaa,z28_aaaaaaaaaaaaaaaa,z29_aaaaaaaaaaaaaaaa,z30_aaaaaaaaaaaaaaaa,z31_aaaaaaaaaaaaaaaa,z32_aaaaaaaaaaaaaaaa,z33_aaaaaaaaaaaaaaaa,z34_aaaaaaaaaaaaaaaa,z35_aaaaaaaaaaaaaaaa,z36_aaaaaaaaaaaaaaaa,z37_aaaaaaaaaaaaaaaa,z38_aaaaaaaaaaaaaaaa,z39_aaaaaaaaaaaaaaaa,z40_aaaaaaaaaaaaaaaa,z41_aaaaaaaaaaaaaaaa,z42_aaaaaaaaaaaaaaaa,z43_aaaaaaaaaaaaaaaa,z44_aaaaaaaaaaaaaaaa,z45_aaaaaaaaaaaaaaaa,z46_aaaaaaaaaaaaaaaa,z47_aaaaaaaaaaaaaaaa,z48_aaaaaaaaaaaaaaaa,z49_aaaaaaaaaaaaaaaa,z50_aaaaaaaaaaaaaaaa,z51_aaaaaaaaaaaaaaaa,z52_aaaaaaaaaaaaaaaa,z53_aaaaaaaaaaaaaaaa,z54_aaaaaaaaaaaaaaaa,z55_aaaaaaaaaaaaaaaa,z56_aaaaaaaaaaaaaaaa,z57_aaaaaaaaaaaaaaaa,z58_aaaaaaaaaaaaaaaa,z59_aaaaaaaaaaaaaaaa,z60_aaaaaaaaaaaaaaaa,z61_aaaaaaaaaaaaaaaa,z62_aaaaaaaaaaaaaaaa,z63_aaaaaaaaaaaaaaaa,z64_aaaaaaaaaaaaaaaa
.macro one a
.nchr c,<a>
.endm
one <wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv>
k = 0
.irp x,<q00,q01,q02,q03,q04,q05,q06,q07,q08,q09,q10,q11,q12,q13,q14,q15,q16,q17,q18,q19,q20,q21,q22,q23,q24,q25,q26,q27,q28,q29,q30,q31,q32,q33,q34,q35,q36,q37,q38,q39,q40,q41,q42,q43,q44,q45,q46,q47,q48,q49,q50,q51,q52,q53,q54,q55,q56,q57,q58,q59>
k = k + 1
x = k
.endr
.macro lng
y = 1 ;aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa
.endm
lng
e:
