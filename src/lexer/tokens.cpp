// The token reader and the token file.
#include "common/vorn.h"

namespace vorn {

int saveop = 0;
uint16_t numval = 0;
uint16_t numlen = 0;
uint8_t numsymbol = 0;
int formalfound = -1;
int formalevel = 0;
int noformal = 0;
bool runaway = false;
int linesubs = 0;

namespace {
// Replacements allowed while one line is read.  A legitimate line makes a
// few dozen; a formal whose argument holds the formal again after another
// token would otherwise be replaced for ever without the line ending.
constexpr int MAXLINESUBS = 1000;
// Replacement texts pending at once.  Each replacement that begins before
// the text of the last one is read out stacks another; a legitimate line
// stacks a few, one per expansion level its arguments pass through, while
// a text that brings back its own formal stacks one more at every token.
constexpr int MAXPENDING = 64;
}  // namespace
int nosave = 0;

// One word to the token file, low byte first.  While text is skipped or a
// reader discards tokens, only line ends get through.
void putshort(int word) {
  if (ifflg || nosave) {
    if (nosave > 1 || (word & 0xffff) != TK_NL) return;
  }
  putc_unlocked(word & 0xff, pof);
  putc_unlocked((word >> 8) & 0xff, pof);
  if (ferror(pof)) wrterr("error writing %s", a_tmp1);
}

int snumval(uint16_t value) {
  numval = value;
  // Suppressed as one: a value of 10 must not pass as a line end.
  if (ifflg || nosave) return TK_NUMBER;
  putshort(TK_NUMBER);
  putshort(value);
  return TK_NUMBER;
}

namespace {
// A run of digits, the first pending in ch: a number (octal, or decimal
// with a trailing point) or a numeric-label reference such as 1b or 2f.
int number() {
  numsymbol = 0;
  numlen = 0;
  uint16_t octal = 0, decimal = 0;
  int c;
  while ((c = rch()) >= '0' && c <= '9') {
    octal = (uint16_t)(octal * 8 + (c - '0'));
    decimal = (uint16_t)(decimal * 10 + (c - '0'));
    // The count stops at its largest value: a run of 65537 digits must not
    // pass for a single one.
    if (numlen != 0xffff) numlen++;
  }
  if (c == 'b' || c == 'f') {
    numsymbol = 1;
    int d = octal;
    if (numlen != 1) {
      error(7);
      d = 0;
    }
    int t = (c == 'b' ? TK_FB0 : TK_FF0) + d;
    putshort(t);
    return t;
  }
  if (c == '.') return snumval(decimal);
  ch = c;
  return snumval(octal);
}
}  // namespace

// The next token.  Every token read fresh is written to the token file.
int readop() {
  if (saveop) {
    int t = saveop;
    saveop = 0;
    return t;
  }
  formalfound = -1;
  formalevel = 0;
  for (;;) {
    int c = rch();
    switch (chartab[c]) {
      case 0:
        error(8);
        continue;
      case 1:
      case 3:
        putshort(c);
        return c;
      case 2:
        continue;
      case 4: {  // "ab: two characters, the first in the low byte
        numlen = 0;  // no digits: a constant is never a numeric label
        int a = rsch();
        if (strterm) {
          error(24);
          return snumval((uint16_t)a);
        }
        int b = rsch();
        if (strterm) error(25);
        return snumval((uint16_t)(a + 256 * b));
      }
      case 5: {  // 'a: one character
        numlen = 0;
        int a = rsch();
        if (strterm) error(26);
        return snumval((uint16_t)a);
      }
      case 6:
        do c = rch();
        while (c != 4 && c != '\n');
        putshort(c);
        return c;
      case 7: {
        ch = c;
        if (c >= '0' && c <= '9') return number();
        int t = rname(false);
        if (formalfound == -1) return t;
        break;
      }
      case 8: {  // <string>
        putshort(TK_STRING);
        numval = 0;
        int s;
        for (;;) {
          s = rsch();
          if (strterm) break;
          putshort(0400 + s);
          numval++;
        }
        if (s == -1) error(9);
        putshort(0177777);
        return TK_STRING;
      }
      case 9:
        error(27);
        continue;
      case 10: {
        if (ifflg) continue;
        c = rch();
        if (c == '<') c = TK_SHL;
        else if (c == '>') c = TK_SHR;
        else if (chartab[c] == 0) {
          // Characters of the illegal class make no token: control codes
          // would pose as a number, a file start or a loop result 6, 7 or
          // 8, bytes above 0177 as a symbol reference; the left brace and
          // DEL are refused with them.  The line end, the end of input, tab
          // and carriage return give their own codes.
          error(8);
          continue;
        }
        putshort(c);
        return c;
      }
      case 13:
        if (ifflg == 1) continue;
        // A name joined to an empty first segment.
        {
          int t = rname(true);
          if (formalfound == -1) return t;
        }
        break;
    }
    // A name was replaced by text to be read again.
    if (++formalevel > 63 || ++linesubs > MAXLINESUBS || rmmbrflg > MAXPENDING) {
      // Too many replacements: the next name is taken as written, and so,
      // for the rest of the line, is every name read from replacement text.
      // A text that names its own formal would otherwise go on multiplying
      // without end, and a growing one could bury the line under copies of
      // itself.  Names written in the line itself are still replaced.
      error(29);
      noformal++;
      runaway = true;
    }
  }
}

}  // namespace vorn
