// The record of the current line, listing lines, the line-information file,
// and the error table with its reports.
#include <cstring>

#include "common/vorn.h"

namespace vorn {

printline_t pl;
int linenumout = 0;
std::string errfile;
int errline = -1;
int listing = 1;
long errflg = 0;

const char* const error_tab[46] = {
    "funny, no such error.",
    "wrong assignment.",
    "bad assignment to dot.",
    "doubly defined label.",
    "bad label (2). ",
    "bad numeric label.",
    "missing   .endc .",
    "bad numeric symbol.",
    "illegal character.",
    "missing   ' > ' .",
    "missing   ' , ' .",
    "undefined symbol in .blkw .",
    "missing   ' < ' .",
    "undefined symbol in .if .",
    "error in  .comm .",
    "illegal indirection (extra  ' @ ').",
    "illegal expression when expecting register.",
    "missing   ' ) ' .",
    "undefined numeric symbol.",
    "illegal expression.",
    "missing   ' ] ' .",
    "missing term.",
    "joker: syntax error.",
    "missing end of line.",
    "two characters missing after   ' \" ' .",
    "one character missing after   ' \" ' .",
    "character missing after   ' ' ' .",
    "unexpected   ' > ' .",
    "division by zero.",
    "too many formal substitutions.",
    "illegal condition in .if .",
    ".if nesting level to high.",
    "unexpected .endc .",
    "unexpected .endm .",
    "unexpected .endr .",
    "illegal or no macro name given with .macro .",
    "illegal or no parameter name given with ' } ' .",
    "illegal or no assembler symbol name given with ' \\ ' .",
    ".include file not found.",
    "negative number in .rept .",
    "formal symbol too long.",
    "missing formal parameter in irp/irpc.",
    "wrong name in .endm .",
    "a formal macro parameter is expected here.",
    "missing .endm .",
    "missing .endr .",
};

namespace {
const char* const symbolstab[4] = {"  ", "+ ", "* ", "*+"};

// Write n as six octal digits into buf.
void octal6(char* buf, unsigned n) {
  for (int i = 5; i >= 0; i--, n >>= 3) buf[i] = (char)('0' + (n & 7));
  buf[6] = 0;
}

// Right-align the first six characters of s in six positions at p (the
// listing's "%6.6s").
char* field6(char* p, const char* s) {
  size_t n = strnlen(s, 6);
  memset(p, ' ', 6 - n);
  memcpy(p + 6 - n, s, n);
  return p + 6;
}

// A decimal number at p ("%d").
char* decimal(char* p, int v) {
  char tmp[12];
  int n = 0;
  unsigned u = v < 0 ? 0u - (unsigned)v : (unsigned)v;
  do tmp[n++] = (char)('0' + u % 10);
  while (u /= 10);
  if (v < 0) *p++ = '-';
  while (n) *p++ = tmp[--n];
  return p;
}

// Terminate the text of the line; a line cut at its last stored position
// gets back the line feed that it lost.
size_t termtext() {
  int n = pl.textlen;
  if (n > 0 && pl.text[n - 1] != '\n') pl.text[n++] = '\n';
  pl.text[n] = 0;
  return (size_t)n;
}
}  // namespace

// Count an error; the first one of a line is kept for its report.
void error(int code) {
  if (errflg < 0x7fffffff) errflg++;
  if (pl.errcode == 0) pl.errcode = code;
}

void linefill() {
  pl.srckind = (int16_t)((macstackcell ? 1 : 0) + (includestackcell ? 2 : 0));
  pl.dotstart = dot().value;
  octal6(pl.dottext, pl.dotstart);
  *decimal(pl.numtext, line) = 0;
  linenumout = line;
  pl.codetext[0][0] = pl.codetext[1][0] = pl.codetext[2][0] = 0;
  pl.textlen = 0;
  pl.errcode = 0;
  errline = -1;
  linesubs = 0;
  runaway = false;
}

void lineprint() {
  // One "..." per byte the line produced, two to a word column.
  int n = (int)dot().value - (int)pl.dotstart;
  if (n > 6) n = 6;
  for (int k = 0; k < n; k++) strcat(pl.codetext[k / 2], "...");
  // Blank and comment-only lines show no location.
  for (int i = 0; i < pl.textlen; i++) {
    uint8_t c = (uint8_t)pl.text[i];
    if (chartab[c] == 2) continue;
    if (chartab[c] == 1 || c == ';') pl.dottext[0] = 0;
    break;
  }
  size_t textn = termtext();
  if (listing) {
    // "%6.6s   %6.6s %6.6s %6.6s  %5s%2.2s   %s", formatted by hand: this
    // runs once per line.
    char buf[64 + sizeof pl.numtext + sizeof pl.text];
    char* p = field6(buf, pl.dottext);
    memcpy(p, "   ", 3);
    p = field6(p + 3, pl.codetext[0]);
    *p++ = ' ';
    p = field6(p, pl.codetext[1]);
    *p++ = ' ';
    p = field6(p, pl.codetext[2]);
    *p++ = ' ';
    *p++ = ' ';
    size_t n = strlen(pl.numtext);
    if (n < 5) {
      memset(p, ' ', 5 - n);
      p += 5 - n;
    }
    memcpy(p, pl.numtext, n);
    p += n;
    memcpy(p, symbolstab[pl.srckind], 2);
    memcpy(p + 2, "   ", 3);
    p += 5;
    memcpy(p, pl.text, textn);
    p += textn;
    fwrite(buf, 1, (size_t)(p - buf), flst);
    if (listing == -1) listing = 0;
  }
  writemacf();
  printerror();
}

// "%d %d %s\n%s\n": line number, origin, file name, text.
void writemacf() {
  size_t textn = termtext();
  char head[32];
  char* p = decimal(head, linenumout);
  *p++ = ' ';
  p = decimal(p, pl.srckind);
  *p++ = ' ';
  fwrite(head, 1, (size_t)(p - head), macf);
  fwrite(currentfilename.data(), 1, strlen(currentfilename.c_str()), macf);
  putc('\n', macf);
  fwrite(pl.text, 1, textn, macf);
  putc('\n', macf);
}

void printerror() {
  if (pl.errcode < 1) return;
  const char* msg = error_tab[pl.errcode];
  const char* file = errline >= 0 ? errfile.c_str() : currentfilename.c_str();
  int num = errline >= 0 ? errline : line;
  fprintf(stderr, "%s(line %3d): error %2d - %s\n", file, num, pl.errcode, msg);
  fprintf(flst, "\t\t*** error %2d in %s - %s\n", pl.errcode, file, msg);
  pl.errcode = 0;
}

}  // namespace vorn
