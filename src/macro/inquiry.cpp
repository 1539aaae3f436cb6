// .narg, .nchr and .ntype: the argument count, an argument's length and an
// operand's addressing-mode code, assigned to a symbol as absolute values.
#include "common/vorn.h"

namespace vorn {

namespace {
// The checks every inquiry makes of its symbol; false: nothing to assign.
bool inquirytarget(int n, int& result) {
  if (!issym(n)) {
    if (checkeos(n)) error(22);
    result = n;
    return false;
  }
  if (n == TK_DOT) {
    error(2);
    result = n;
    return false;
  }
  return true;
}

void makeabs(int n) { symp(n)->type = (symp(n)->type & T_GLOBAL) | T_ABS; }

// symbol ',' : the start of .nchr and .ntype.  The symbol is made absolute
// even when the comma is missing.  false: result is the statement's end.
bool inquirycomma(int n, int& result) {
  if (!inquirytarget(n, result)) return false;
  makeabs(n);
  result = readop();
  if (result != ',') {
    error(10);
    return false;
  }
  return true;
}

// '(' reg ')': the register, with ')' and the register type checked.
int regexpr(int& reg) {
  int t = checkrp(expres(readop()));
  checkreg();
  reg = eval;
  return t;
}
}  // namespace

int nargop(int n) {
  int r;
  if (!inquirytarget(n, r)) return r;
  int count = 0;
  if (macstackcell) {
    const std::vector<std::string>& a = macstackcell->args;
    int nf = currentmac ? currentmac->nformals : 0;
    for (int i = 0; i < nf && i < (int)a.size(); i++)
      if (!a[i].empty()) count++;
  }
  makeabs(n);
  symp(n)->value = (uint16_t)count;
  putshort(count);
  return readop();
}

int nchrop(int n) {
  int r;
  if (!inquirycomma(n, r)) return r;
  int c = readformal();
  symp(n)->value = (uint16_t)opstring.size();
  putshort((uint16_t)opstring.size());
  if (checkeos(c)) {
    putshort(TK_NL);
    return c;
  }
  return readop();
}

int ntypeop(int n) {
  int t;
  if (!inquirycomma(n, t)) return t;
  t = ntype(readop(), 0);
  symp(n)->value = eval;
  return t;
}

// The mode code of an operand, in eval.  deferred is 0 or 010.
int ntype(int t, int deferred) {
  while (t == '@') {
    if (deferred) error(15);
    deferred = 010;
    t = readop();
  }
  int reg;
  switch (t) {
    case '#':
      t = expres(readop());
      eval = (uint16_t)(deferred + 027);
      return t;
    case '(':
      t = regexpr(reg);
      if (t == '+') {
        t = readop();
        eval = (uint16_t)(deferred + 020 + reg);
      } else {
        eval = (uint16_t)(reg + (deferred ? 070 : 010));
      }
      return t;
    case '-':
      t = readop();
      if (t == '(') {
        t = regexpr(reg);
        eval = (uint16_t)(deferred + 040 + reg);
        return t;
      }
      saveop = t;
      return tgetx('-', deferred);
  }
  return tgetx(t, deferred);
}

int tgetx(int t, int deferred) {
  t = expres(t);
  if (t == '(') {
    int reg;
    t = regexpr(reg);
    eval = (uint16_t)(deferred + 060 + reg);
  } else if (etype == T_REG) {
    checkreg();
    eval = (uint16_t)(eval + deferred);
  } else {
    eval = (uint16_t)(deferred + 067);
  }
  return t;
}

}  // namespace vorn
