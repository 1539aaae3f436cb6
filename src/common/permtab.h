// The permanent symbol table, in its fixed order.  The index of an entry is
// its identity: its token word is 01000 + 4 * index.  Every table that needs
// the permanent names (the symbol table itself, the dump tool) is generated
// from this one list.
//
// PERM(name, type, value), type and value in octal.
#pragma once

#define VORN_PERMANENT_SYMBOLS(PERM) \
  PERM(".", 02, 0) \
  PERM("..", 01, 0) \
  PERM("torg", 02, 0) \
  PERM("dorg", 03, 0) \
  PERM("borg", 04, 0) \
  PERM("r0", 024, 0) PERM("r1", 024, 1) PERM("r2", 024, 2) PERM("r3", 024, 3) \
  PERM("r4", 024, 4) PERM("r5", 024, 5) PERM("r6", 024, 6) PERM("r7", 024, 7) \
  PERM("sp", 024, 6) PERM("pc", 024, 7) \
  PERM("mov", 013, 010000) PERM("movb", 013, 0110000) PERM("cmp", 013, 020000) \
  PERM("cmpb", 013, 0120000) PERM("bit", 013, 030000) PERM("bitb", 013, 0130000) \
  PERM("bic", 013, 040000) PERM("bicb", 013, 0140000) PERM("bis", 013, 050000) \
  PERM("bisb", 013, 0150000) PERM("add", 013, 060000) PERM("sub", 013, 0160000) \
  PERM("br", 06, 0400) PERM("bne", 06, 01000) PERM("beq", 06, 01400) \
  PERM("bge", 06, 02000) PERM("blt", 06, 02400) PERM("bgt", 06, 03000) \
  PERM("ble", 06, 03400) PERM("bpl", 06, 0100000) PERM("bmi", 06, 0100400) \
  PERM("bhi", 06, 0101000) PERM("blos", 06, 0101400) PERM("bvc", 06, 0102000) \
  PERM("bvs", 06, 0102400) PERM("bhis", 06, 0103000) PERM("bec", 06, 0103000) \
  PERM("bcc", 06, 0103000) PERM("blo", 06, 0103400) PERM("bcs", 06, 0103400) \
  PERM("bes", 06, 0103400) \
  PERM("clr", 015, 05000) PERM("clrb", 015, 0105000) PERM("com", 015, 05100) \
  PERM("comb", 015, 0105100) PERM("inc", 015, 05200) PERM("incb", 015, 0105200) \
  PERM("dec", 015, 05300) PERM("decb", 015, 0105300) PERM("neg", 015, 05400) \
  PERM("negb", 015, 0105400) PERM("adc", 015, 05500) PERM("adcb", 015, 0105500) \
  PERM("sbc", 015, 05600) PERM("sbcb", 015, 0105600) PERM("tst", 015, 05700) \
  PERM("tstb", 015, 0105700) PERM("ror", 015, 06000) PERM("rorb", 015, 0106000) \
  PERM("rol", 015, 06100) PERM("rolb", 015, 0106100) PERM("asr", 015, 06200) \
  PERM("asrb", 015, 0106200) PERM("asl", 015, 06300) PERM("aslb", 015, 0106300) \
  PERM("mtps", 015, 0106400) PERM("mfps", 015, 0106700) PERM("jmp", 015, 0100) \
  PERM("swab", 015, 0300) \
  PERM("jsr", 07, 04000) \
  PERM("rts", 010, 0200) \
  PERM("emt", 011, 0104000) PERM("trap", 011, 0104400) PERM("sys", 011, 0104400) \
  PERM("nop", 037, 0240) PERM("clc", 037, 0241) PERM("clv", 037, 0242) \
  PERM("clz", 037, 0244) PERM("cln", 037, 0250) PERM("sec", 037, 0261) \
  PERM("sev", 037, 0262) PERM("sez", 037, 0264) PERM("sen", 037, 0270) \
  PERM("halt", 037, 0) PERM("wait", 037, 1) PERM("rti", 037, 2) \
  PERM("bpt", 037, 3) PERM("iot", 037, 4) PERM("reset", 037, 5) PERM("rtt", 037, 6) \
  PERM("cfcc", 01, 0170000) PERM("setf", 01, 0170001) PERM("setd", 01, 0170011) \
  PERM("seti", 01, 0170002) PERM("setl", 01, 0170012) \
  PERM("clrf", 015, 0170400) PERM("negf", 015, 0170700) PERM("absf", 015, 0170600) \
  PERM("tstf", 015, 0170500) \
  PERM("movf", 012, 0172400) \
  PERM("movif", 014, 0177000) \
  PERM("movfi", 05, 0175400) \
  PERM("movof", 014, 0177400) \
  PERM("movfo", 05, 0176000) \
  PERM("addf", 014, 0172000) PERM("subf", 014, 0173000) PERM("mulf", 014, 0171000) \
  PERM("divf", 014, 0174400) PERM("cmpf", 014, 0173400) PERM("modf", 014, 0171400) \
  PERM("movie", 014, 0176400) \
  PERM("movei", 05, 0175000) \
  PERM("ldfps", 015, 0170100) PERM("stfps", 015, 0170200) \
  PERM("fr0", 024, 0) PERM("fr1", 024, 1) PERM("fr2", 024, 2) PERM("fr3", 024, 3) \
  PERM("fr4", 024, 4) PERM("fr5", 024, 5) \
  PERM("als", 030, 072000) PERM("alsc", 030, 073000) PERM("mpy", 030, 070000) \
  PERM("mul", 030, 070000) PERM("div", 030, 071000) PERM("ash", 030, 072000) \
  PERM("ashc", 030, 073000) PERM("dvd", 030, 071000) \
  PERM("xor", 07, 074000) \
  PERM("sxt", 015, 06700) \
  PERM("mark", 011, 06400) \
  PERM("sob", 031, 077000) \
  PERM(".ascii", 017, 0) PERM(".byte", 016, 0) PERM(".word", 035, 0) \
  PERM(".blkw", 036, 0) PERM(".even", 020, 0) PERM(".nif", 021, 0) \
  PERM(".endif", 022, 0) PERM(".globl", 023, 0) PERM(".text", 025, 0) \
  PERM(".data", 026, 0) PERM(".bss", 027, 0) PERM(".comm", 032, 0) \
  PERM(".macro", 0100, 0) PERM(".endm", 0101, 0) PERM(".mexit", 0102, 0) \
  PERM(".if", 0103, 0) PERM(".ift", 0104, 0) PERM(".iff", 0105, 0) \
  PERM(".iftf", 0106, 0) PERM(".endc", 0107, 0) PERM(".iif", 0110, 0) \
  PERM(".rept", 0111, 0) PERM(".irp", 0112, 0) PERM(".irpc", 0113, 0) \
  PERM(".endr", 0114, 0) PERM(".narg", 0115, 0) PERM(".nchr", 0116, 0) \
  PERM(".ntype", 0117, 0) PERM(".include", 0120, 0) \
  PERM(".eq.", 0122, 0) PERM(".ne.", 0123, 0) PERM(".gt.", 0124, 0) \
  PERM(".ge.", 0125, 0) PERM(".lt.", 0126, 0) PERM(".le.", 0127, 0) \
  PERM(".b.", 0130, 0) PERM(".nb.", 0131, 0) PERM(".df.", 0132, 0) \
  PERM(".ndf.", 0133, 0) PERM(".idn.", 0134, 0) PERM(".dif.", 0135, 0) \
  PERM(".list", 0140, 0) PERM(".nolist", 0141, 0)

namespace vorn {
#define VORN_COUNT_ONE(n, t, v) +1
inline constexpr int NPERM = 0 VORN_PERMANENT_SYMBOLS(VORN_COUNT_ONE);
#undef VORN_COUNT_ONE
static_assert(NPERM == 180, "the permanent table has 180 entries");
}  // namespace vorn
