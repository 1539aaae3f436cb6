// Conditional assembly: conditions, the block and one-line directives, and
// the skip filter that runs at the top of the statement loop.
#include "common/vorn.h"

namespace vorn {

int ifflg = 0;
int tstresult = 0;
uint32_t resultstack = 0;
int16_t ifnest = 0;

namespace {
void saveresult() { resultstack = (resultstack << 1) | (uint32_t)(tstresult & 1); }

void restoreresult() {
  tstresult = (int)(resultstack & 1);
  resultstack = (uint32_t)((int32_t)resultstack >> 1);
}

void openlevel() {
  saveresult();
  if (++ifnest > 32) error(31);
}

void closelevel() {
  restoreresult();
  if (--ifnest < 0) error(32);
}

// One macro argument for .b. .nb. .idn. .dif.; the text is the argument of
// the expansion in which the formal was found.  Returns readformal's result.
int condarg(bool& isformal, std::string& text) {
  replaceformal = 0;
  int c = readformal();
  replaceformal = 1;
  isformal = formalfound >= 0;
  text = formaltext;
  return c;
}

// The token that ends an argument condition, from the character that ended
// its last argument: a line end or a comma as it is; a comment is read
// through to its line end without writing a second line-end word; anything
// else (already reported) is read again as a token.
int condend(int c) {
  if (checkeos(c) || c == ',') return c;
  if (c == ';') {
    ch = 0;
    do c = rch();
    while (!checkeos(c));
    return c;
  }
  return readop();
}
}  // namespace

// condition -> keyword expression | keyword argument [',' argument]
int checkcond(int k) {
  if (!issym(k) || stype(k) < T_EQ || stype(k) > T_DIF) {
    error(30);
    return k;
  }
  int kw = stype(k);
  bool result = false;
  int t;
  if (kw == T_BLANK || kw == T_NBLANK || kw == T_IDN || kw == T_DIF) {
    putshort(0);
    putshort(TK_NL);
    bool f1, f2;
    std::string a1, a2;
    int c = condarg(f1, a1);
    if (kw == T_BLANK || kw == T_NBLANK) {
      if (!f1) {
        error(43);
        return condend(c);
      }
      result = a1.empty() == (kw == T_BLANK);
    } else {
      if (c != ',') {
        error(10);
        if (checkeos(c)) return c;
      }
      if (!f1) error(43);
      c = condarg(f2, a2);
      if (!f2) error(43);
      if (!f1 || !f2) return condend(c);
      result = (a1 == a2) == (kw == T_IDN);
    }
    t = condend(c);
  } else {
    t = expres(readop());
    if (etype == T_UNDEF && kw != T_DF && kw != T_NDF) error(13);
    int16_t v = (int16_t)eval;
    switch (kw) {
      case T_EQ: result = v == 0; break;
      case T_NE: result = v != 0; break;
      case T_GT: result = v > 0; break;
      case T_GE: result = v >= 0; break;
      case T_LT: result = v < 0; break;
      case T_LE: result = v <= 0; break;
      case T_DF: result = etype != 0; break;
      case T_NDF: result = etype == 0; break;
      default: result = false;  // codes 0130.. are argument keywords, above
    }
  }
  if (result) {
    tstresult = 1;
  } else {
    tstresult = 0;
    ifflg++;
  }
  return t;
}

// While text is skipped: 0 drops the token, anything else lets it through
// as the first token of a statement.
int skipfilter(int t) {
  if (!issym(t)) return 0;
  int k = stype(t);
  if (ifflg == 1 && k == T_IFTF) return t;
  switch (k) {
    case T_IF:
      openlevel();
      ifflg++;
      break;
    case T_NIF:
      ifflg++;
      break;
    case T_ENDC:
      closelevel();
      ifflg--;
      break;
    case T_ENDIF:
      ifflg--;
      break;
  }
  if (ifflg != 1) return 0;
  if ((k == T_IFF && tstresult == 0) || (k == T_IFT && tstresult == 1) || k == T_IFTF) return t;
  return 0;
}

// The conditional directives; n is the token after the directive.
int condop(int k, int n) {
  switch (k) {
    case T_IF:
      openlevel();
      return checkcond(n);
    case T_IFT:
      if (ifflg) {
        if (tstresult == 1) ifflg--;
      } else if (tstresult == 0) {
        ifflg = 1;
      }
      return n;
    case T_IFF:
      if (ifflg) {
        if (tstresult == 0) ifflg--;
      } else if (tstresult == 1) {
        ifflg = 1;
      }
      return n;
    case T_IFTF:
      if (ifflg) ifflg--;
      return n;
    case T_ENDC:
      closelevel();
      return n;
    case T_IIF: {
      int e = checkcond(n);
      if (e != ',') {
        error(10);
        if (ifflg == 0 || !checkeos(e)) saveop = e;
      }
      if (ifflg == 0) return R_REST;
      ifflg--;
      int t = e;
      // A condition that already ended the statement leaves nothing to drop.
      if (!checkeos(e)) {
        nosave = 1;
        do t = readop();
        while (!checkeos(t));
        nosave = 0;
      }
      return t;
    }
    case T_NIF: {
      int t = expres(n);
      if (etype == T_UNDEF) error(13);
      if (eval == 0) ifflg++;
      return t;
    }
    case T_ENDIF:
      return n;
  }
  return n;
}

}  // namespace vorn
