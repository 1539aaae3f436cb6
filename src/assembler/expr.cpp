// The expression evaluator: a 16-bit value and a type byte from the token
// stream, by operator levels (a lower level binds more tightly).
#include "common/vorn.h"

namespace vorn {

uint16_t eval = 0;
uint8_t etype = 0;

namespace {
struct precent {
  int token, level;
};
constexpr precent prec[] = {
    {'!', 1}, {'`', 2}, {'*', 3}, {'/', 3}, {'%', 3}, {'+', 4}, {'-', 4},
    {TK_SHL, 5}, {TK_SHR, 5}, {'&', 6}, {'|', 6}, {'^', 6}, {'[', 7}, {0, 0},
};

// Levels of nesting allowed below the outermost term: one per unary
// operator, bracket and pending infix operator.
constexpr int MAXDEPTH = 1000;
int depth = 0;  // levels entered by the evaluation in progress

bool isinfix(int t) {
  switch (t) {
    case '`': case '*': case '/': case '%': case '+': case '-':
    case TK_SHL: case TK_SHR: case '&': case '|': case '^':
      return true;
  }
  return false;
}

// Signed widening to 32 bits, divided as unsigned 32-bit numbers.
uint16_t divide(uint16_t l, uint16_t r, bool rem) {
  uint32_t a = (uint32_t)(int32_t)(int16_t)l;
  uint32_t b = (uint32_t)(int32_t)(int16_t)r;
  return (uint16_t)(rem ? a % b : a / b);
}
}  // namespace

int exlevel(int t) {
  const precent* p = prec;
  while (p->token && p->token != t) p++;
  return p->level;
}

// Type of an infix result: undefined wins, a difference of equal types is
// absolute, otherwise the larger code; the global flag of either is kept.
uint8_t combin(uint8_t left, uint8_t right, int sub) {
  uint8_t g = (left | right) & T_GLOBAL;
  uint8_t a = left & ~T_GLOBAL, b = right & ~T_GLOBAL;
  if (a == 0 || b == 0) return g;
  if (sub && a == b) return g | T_ABS;
  return g | (a > b ? a : b);
}

int expres(int t) { return compute(t, 7); }

// term    -> number | symbol | nb | nf | ('+'|'-'|'!') term | '[' expr ']'
// compute -> term { infix compute }   for infix operators below limit
int compute(int t, int limit) {
  if (depth++ > MAXDEPTH) fatal("expression too deeply nested");
  if (t == TK_NUMBER) {
    etype = T_ABS;
    eval = numval;
    t = readop();
  } else if (issym(t)) {
    const sym* s = symp(t);
    etype = (uint8_t)s->type;
    eval = s->value;
    t = readop();
  } else if (t >= TK_FB0 && t < TK_FB0 + 10) {
    int n = t - TK_FB0;
    etype = curfbr[n];
    eval = curfb[n];
    if (!curfbdef[n]) error(18);
    t = readop();
  } else if (t >= TK_FF0 && t < TK_FF0 + 10) {
    etype = T_UNDEF;
    eval = 0;
    t = readop();
  } else if (t == '+' || t == '-' || t == '!') {
    int op = t;
    t = compute(readop(), 1);
    if (op == '-') eval = (uint16_t)-eval;
    else if (op == '!') eval = (uint16_t)~eval;
  } else if (t == '[') {
    t = compute(readop(), 7);
    if (t != ']') {
      error(20);
      if (t == TK_NL) ch = TK_NL;  // the line still ends here
    }
    t = readop();
  } else {
    error(19);
    etype = T_UNDEF;
    eval = 0;
    depth--;
    return t;
  }
  while (isinfix(t)) {
    int level = exlevel(t);
    if (level >= limit) break;
    int op = t;
    uint16_t lv = eval;
    uint8_t lt = etype;
    t = compute(readop(), level);
    uint16_t rv = eval;
    uint8_t rt = etype;
    etype = combin(lt, rt, op == '-');
    switch (op) {
      case '+': eval = (uint16_t)(lv + rv); break;
      case '-': eval = (uint16_t)(lv - rv); break;
      case '*': eval = (uint16_t)((uint32_t)lv * rv); break;
      case '/':
      case '%':
        if (rv == 0) {
          error(28);
          eval = 0;
        } else {
          eval = divide(lv, rv, op == '%');
        }
        break;
      case '&': eval = lv & rv; break;
      case '|': eval = lv | rv; break;
      case '^': eval = lv ^ rv; break;
      case TK_SHL: eval = (uint16_t)((uint32_t)lv << (rv % 32)); break;
      case TK_SHR: eval = (uint16_t)((uint32_t)(int32_t)(int16_t)lv >> (rv % 32)); break;
      case '`':
        eval = rv;
        etype = lt;
        break;
    }
  }
  depth--;
  return t;
}

}  // namespace vorn
