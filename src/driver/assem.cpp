// The statement loop: labels, numeric labels and direct assignments are
// handled here, every other statement goes to opline.
#include "common/vorn.h"

namespace vorn {

uint16_t curfb[10] = {0xffff, 0xffff, 0xffff, 0xffff, 0xffff,
                      0xffff, 0xffff, 0xffff, 0xffff, 0xffff};
uint8_t curfbr[10];
// Whether each digit has a definition: a label on the last byte of a
// segment sits at 0177777, the value that otherwise marks "no definition".
bool curfbdef[10];

namespace {
// name: or name:: or a numeric label n:
void label(int t) {
  int c = rch();
  bool global = c == ':';
  if (global) putshort(':');
  else ch = c;
  sym& d = dot();
  if (issym(t)) {
    sym* s = symp(t);
    if ((s->type & 0xff & ~T_GLOBAL) != 0) error(3);
    s->type |= d.type;
    // "." never takes the global flag: its type byte is the segment, which
    // every later label and numeric-label record copies.
    if (global && t != TK_DOT) s->type |= T_GLOBAL;
    s->value = d.value;
  } else if (t == TK_NUMBER) {
    int n = numval;
    if (numval > 9 || numlen != 1) {
      error(5);
      n = 0;
    }
    curfbr[n] = (uint8_t)d.type;
    curfb[n] = d.value;
    curfbdef[n] = true;
    unsigned char nxtfb[4] = {(uint8_t)d.type, (uint8_t)(2 * n), (uint8_t)(d.value & 0xff),
                              (uint8_t)(d.value >> 8)};
    if (fwrite(nxtfb, 1, 4, fbfil) != 4 || ferror(fbfil)) wrterr("can't write on %s", a_tmp2);
  } else {
    error(4);
  }
}

// name = expression, or name == expression for a global symbol.
int assign(int t) {
  int c = rch();
  bool global = c == '=';
  if (global) putshort('=');
  else ch = c;
  int e = expres(readop());
  if (!issym(t)) {
    error(1);
    return e;
  }
  sym* s = symp(t);
  uint8_t et = etype & ~T_GLOBAL;
  if (t == TK_DOT && et != (s->type & 0xff)) {
    error(2);
    s->type = T_TEXT;
    return e;
  }
  s->type &= T_GLOBAL;
  s->type |= et;
  if (global && t != TK_DOT) s->type |= T_GLOBAL;  // see label()
  s->value = et == T_UNDEF ? 0 : eval;
  return e;
}

// End a statement with token e.  Returns true when the input has ended.
bool endstmt(int e) {
  for (;;) {
    switch (e) {
      case TK_NL:
        lineprint();
        line += lineadvance;
        linefill();
        return false;
      case R_MACEND:
      case R_REPEND:
        writemacf();
        printerror();
        line += lineadvance;
        linefill();
        return false;
      case R_REST:
        return false;
      case TK_EOF:
        if (ifflg) error(6);
        printerror();
        return true;
      default:
        error(22);
        do e = readop();
        while (!checkeos(e));
    }
  }
}
}  // namespace

void assem() {
  for (;;) {
    int t = readop();
    if (checkeos(t)) {
      if (endstmt(t)) return;
      continue;
    }
    if (ifflg) {
      t = skipfilter(t);
      if (!t) continue;
    }
    if (issym(t)) {
      int k = stype(t);
      if (k == T_ENDM || k == T_IRP || k == T_IRPC || k == T_INCLUDE || k == T_MACNAME) {
        if (endstmt(opline(t))) return;
        continue;
      }
    }
    int l = readop();
    if (l == '=') {
      if (endstmt(assign(t))) return;
    } else if (l == ':') {
      label(t);
    } else {
      saveop = l;
      if (endstmt(opline(t))) return;
    }
  }
}

}  // namespace vorn
