// The symbol table at the end of the listing and the symbol-table file.
#include <cstring>

#include "common/vorn.h"

namespace vorn {

namespace {
const char* typename_of(int code, uint16_t value, char* buf) {
  switch (code) {
    case T_UNDEF: return value ? "comm" : "undef";
    case T_ABS: return "abs";
    case T_TEXT: return "text";
    case T_DATA: return "data";
    case T_BSS: return "bss";
    case T_REG: return "reg";
    case T_MACNAME: return "macro";
  }
  snprintf(buf, 16, "type %03o", code);
  return buf;
}
}  // namespace

void symout(FILE* so) {
  fputs("\n\n\tS Y M B O L   T A B L E\n\t=======================\n\n", flst);
  fputs("SYMBOL    VALUE   TYPE\n------    -----   ----\n", flst);
  char buf[16];
  for (const sym* s = usymtab; s < symend; s++) {
    char name[9] = {};
    memcpy(name, s->name, 8);
    int t = s->type & 0xff;
    fprintf(flst, "%-8.8s  %06o  %-8s %s\n", name, s->value,
            typename_of(t & ~T_GLOBAL, s->value, buf), (t & T_GLOBAL) ? "global" : "");
  }
  // Records are held low byte first, as the file wants them.
  size_t n = (size_t)(symend - usymtab);
  if (n && fwrite(usymtab, sizeof(sym), n, so) != n) wrterr("can't write on %s", a_tmp3);
  static const unsigned char endmark[4] = {0xff, 0xff, 0xff, 0xff};
  fwrite(endmark, 1, 4, so);
}

}  // namespace vorn
