// Statements that are not labels or assignments: every instruction class
// and data directive sized exactly, segment switching, and dispatch of the
// conditional and macro directives.
#include "common/vorn.h"

namespace vorn {

uint16_t savdot[3] = {0, 0, 0};
int adrinc = 0;

namespace {
inline void advance(unsigned n) { dot().value = (uint16_t)(dot().value + n); }

// Set the global flag; "." never takes it, so that its type stays a segment.
void setglobal(int t) {
  if (t != TK_DOT) symp(t)->type |= T_GLOBAL;
}

int segindex() {
  int s = dot().type & 0xff;
  return (s >= T_TEXT && s <= T_BSS) ? s - T_TEXT : 0;
}

// operand ',' operand
int twoops(int n) {
  int t = address(n);
  if (t != ',') {
    error(10);
    return t;
  }
  t = address(readop());
  advance(2);
  return t;
}

// expression { ',' expression }, size bytes each
int datalist(int n, unsigned size) {
  for (;;) {
    int t = expres(n);
    advance(size);
    if (t != ',') return t;
    n = readop();
  }
}

int sob(int n) {
  int t = expres(n);
  if (t == ',') {
    t = readop();
  } else {
    error(10);
    if (!checkeos(t)) t = readop();
  }
  t = expres(t);
  advance(2);
  return t;
}

int globl(int n) {
  while (issym(n)) {
    setglobal(n);
    int t = readop();
    if (t != ',') return t;
    n = readop();
  }
  return n;
}

int comm(int n) {
  if (!issym(n)) {
    error(14);
    return n;
  }
  setglobal(n);
  int t = readop();
  if (t != ',') {
    error(10);
    return t;
  }
  return expres(readop());
}

int segment(int k, int n) {
  int s = k - T_GLOBL;
  savdot[segindex()] = dot().value;
  dot().value = savdot[s - T_TEXT];
  dot().type = (uint16_t)s;
  return n;
}
}  // namespace

void checkreg() {
  if (!(etype == T_REG && (int16_t)eval <= 7)) error(16);
}

int checkrp(int t) {
  if (t == ')') return readop();
  error(17);
  return t;
}

// operand -> '@' operand | '(' reg ')' ['+'] | '-' '(' reg ')' | '#' expr | getx
int address(int t) {
  // Each '@' after the first is an error and is itself taken as a prefix:
  // every one of them adds the index word of a deferred (r) again.
  int indirect = 0;
  while (t == '@') {
    if (indirect) error(15);
    indirect++;
    t = readop();
  }
  switch (t) {
    case '(':
      t = checkrp(expres(readop()));
      checkreg();
      if (t == '+') {
        t = readop();
        adrinc = 0;
      } else {
        adrinc = 2;
      }
      break;
    case '-':
      t = readop();
      if (t == '(') {
        t = checkrp(expres(readop()));
        checkreg();
        adrinc = 0;
      } else {
        saveop = t;
        t = getx('-');
      }
      break;
    case '#':
      t = expres(readop());
      advance(2);
      adrinc = 0;
      break;
    default:
      t = getx(t);
  }
  advance((unsigned)(indirect * adrinc));
  return t;
}

// getx -> expr [ '(' reg ')' ]
int getx(int t) {
  t = expres(t);
  if (t == '(') {
    t = checkrp(expres(readop()));
    checkreg();
    advance(2);
  } else if (etype == T_REG) {
    checkreg();
  } else {
    advance(2);
  }
  adrinc = 0;
  return t;
}

int opline(int t) {
  if (!issym(t)) {
    if (t == TK_STRING) {  // a bare string
      advance(numval);
      return readop();
    }
    t = expres(t);
    advance(2);
    return t;
  }
  int k = stype(t);
  int8_t sk = (int8_t)k;
  if (k == T_REG || sk <= 4 || sk > 0142 || (k >= T_GLOBAL && k <= T_GLOBAL + T_BSS)) {
    t = expres(t);
    advance(2);
    return t;
  }
  switch (k) {
    case T_INCLUDE: return includeop();
    case T_IRP:
    case T_IRPC: return irpop(k);
    case T_MACNAME: return maccall(t);
    case T_ENDM: return endmop();
  }
  int n = readop();
  switch (k) {
    case T_FLOAT2A: case T_JSR: case T_MOVF: case T_DOUBLE: case T_FLOAT2: case T_MULDIV:
      return twoops(n);
    case T_SINGLE:
      t = address(n);
      advance(2);
      return t;
    case T_SOB: return sob(n);
    case T_NOOPR:
      advance(2);
      return n;
    case T_BYTE: return datalist(n, 1);
    case T_WORD: return datalist(n, 2);
    case T_ASCII:
      if (n == TK_STRING) {
        advance(numval);
      } else {
        error(12);
        if (checkeos(n)) return n;
      }
      return readop();
    case T_EVEN:
      dot().value = (uint16_t)((dot().value + 1) & ~1);
      return n;
    case T_BLKW:
      t = expres(n);
      if (etype == T_UNDEF) error(11);
      advance((unsigned)(2 * eval));
      return t;
    case T_GLOBL: return globl(n);
    case T_COMM: return comm(n);
    case T_TEXTSEG:
    case T_DATASEG:
    case T_BSSSEG: return segment(k, n);
    case T_LIST:
      listing = 1;
      return n;
    case T_NOLIST:
      listing = -1;
      return n;
    case T_NIF: case T_ENDIF: case T_IF: case T_IFT: case T_IFF: case T_IFTF: case T_ENDC:
    case T_IIF:
      return condop(k, n);
    case T_MACRO: return macroop(t, n);
    case T_MEXIT: return mexitop();
    case T_REPT: return reptop(n);
    case T_ENDR: return endrop(n);
    case T_NARG: return nargop(n);
    case T_NCHR: return nchrop(n);
    case T_NTYPE: return ntypeop(n);
  }
  // Branches, rts, emt/trap/sys/mark and every other code: one expression.
  t = expres(n);
  advance(2);
  return t;
}

}  // namespace vorn
