// Shared declarations of the first pass: the symbol record, token and type
// codes, and the global state of every subsystem.  All state lives in single
// global instances for the whole run; each piece is defined in the .cpp file
// of the subsystem that owns it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "common/permtab.h"

namespace vorn {

// ---------------------------------------------------------------- symbols

// One symbol record, identical in the permanent table, the user table and
// the symbol-table file (12 bytes there, fields low byte first).
struct sym {
  char name[8];    // padded with NUL; eight characters have no terminator
  uint16_t type;   // type code and global flag in the low byte
  uint16_t value;
};
static_assert(sizeof(sym) == 12);

// Type codes (low byte of sym::type).
enum : int {
  T_UNDEF = 0, T_ABS = 1, T_TEXT = 2, T_DATA = 3, T_BSS = 4,
  T_GLOBAL = 040, T_REG = 024,
  T_FLOAT2A = 05, T_BRANCH = 06, T_JSR = 07, T_RTS = 010, T_SYS = 011,
  T_MOVF = 012, T_DOUBLE = 013, T_FLOAT2 = 014, T_SINGLE = 015,
  T_BYTE = 016, T_ASCII = 017, T_EVEN = 020, T_NIF = 021, T_ENDIF = 022,
  T_GLOBL = 023, T_TEXTSEG = 025, T_DATASEG = 026, T_BSSSEG = 027,
  T_MULDIV = 030, T_SOB = 031, T_COMM = 032, T_WORD = 035, T_BLKW = 036,
  T_NOOPR = 037,
  T_MACRO = 0100, T_ENDM = 0101, T_MEXIT = 0102, T_IF = 0103, T_IFT = 0104,
  T_IFF = 0105, T_IFTF = 0106, T_ENDC = 0107, T_IIF = 0110, T_REPT = 0111,
  T_IRP = 0112, T_IRPC = 0113, T_ENDR = 0114, T_NARG = 0115, T_NCHR = 0116,
  T_NTYPE = 0117, T_INCLUDE = 0120, T_MACNAME = 0121,
  T_EQ = 0122, T_NE = 0123, T_GT = 0124, T_GE = 0125, T_LT = 0126,
  T_LE = 0127, T_BLANK = 0130, T_NBLANK = 0131, T_DF = 0132, T_NDF = 0133,
  T_IDN = 0134, T_DIF = 0135,
  T_LIST = 0140, T_NOLIST = 0141,
};

// Token codes: what readop returns below 0200.  Anything at or above 0200
// is a symbol reference; its value is the symbol's token word.
enum : int {
  TK_NUMBER = 1, TK_EOF = 4, TK_FILE = 5, TK_NL = 10,
  TK_SHL = 035, TK_SHR = 036, TK_STRING = 074,
  TK_FB0 = 0141,   // 0b .. 9b
  TK_FF0 = 0153,   // 0f .. 9f
  TK_SYM = 0200,
  TK_PERM0 = 01000, TK_USER0 = 04000,
  TK_DOT = TK_PERM0,  // the location counter "."
};

// Results of opline beyond ordinary tokens.
enum : int { R_MACEND = 6, R_REPEND = 7, R_REST = 8 };

inline bool issym(int t) { return t >= TK_SYM; }
inline bool checkeos(int t) { return t == TK_NL || t == TK_EOF; }

extern sym symtab[NPERM];
extern sym* usymtab;      // start of the user table
extern sym* symend;       // just past the last user record
extern sym* endcore;      // end of the allocated block
extern int hshtab[3001];  // 0 empty, else the token word of the record

inline sym* symp(int t) {
  return t < TK_USER0 ? &symtab[(t - TK_PERM0) >> 2] : &usymtab[(t - TK_USER0) >> 2];
}
inline int stype(int t) { return symp(t)->type & 0xff; }
inline sym& dot() { return symtab[0]; }

uint16_t hashsym(const char* name);
int namcmp(const char* a, const char* b);
int* findsym(uint16_t h, const char* name);
void setup();
void usyminit();
int rname(bool joined);
std::string symname(int t);  // the record's name as a string

// ---------------------------------------------------------------- chars

// The push-back slot: 0 empty, CH_EOFMARK the start marker, else a byte.
inline constexpr int CH_EOFMARK = -1;
extern int ch;
extern const uint8_t chartab[256];
extern int strterm;
int rch();
int rsch();
int skipblanks();

// ---------------------------------------------------------------- tokens

extern int saveop;
extern uint16_t numval;
extern uint16_t numlen;
extern uint8_t numsymbol;
extern int formalfound;
extern int formalevel;
extern int noformal;
extern int linesubs;      // formal replacements since the line began
extern bool runaway;      // error 29 on this line: names of replacement text are taken as written
extern int nosave;  // 1: only line ends reach the token file; 2: nothing does
int readop();
int snumval(uint16_t value);
void putshort(int word);

// ---------------------------------------------------------------- driver

extern int vmode;
extern const char* a_tmp1;
extern const char* a_tmp2;
extern const char* a_tmp3;
extern const char* a_tmp4;
extern const char* a_errp;
extern const char* a_lstp;
extern const char* a_outp;
extern char** argvec;
extern FILE* pof;    // token file
extern FILE* fbfil;  // numeric-label file
extern FILE* macf;   // line-info file
extern FILE* flst;   // listing
extern uint16_t curfb[10];
extern uint8_t curfbr[10];
extern bool curfbdef[10];
int vornmain(int argc, char** argv);
[[noreturn]] void aexit();
FILE* fcreat(const char* path);
[[noreturn]] void wrterr(const char* format, const char* arg);
[[noreturn]] void filerr(const char* path);
[[noreturn]] void fatal(const char* what);  // "vorn:%d: <what>. bye!!!"
void assem();
void symout(FILE* so);

// ---------------------------------------------------------------- listing

struct printline_t {
  char dottext[8];
  char codetext[3][8];
  char numtext[16];
  int16_t srckind;
  char text[164];
  int textlen;
  int errcode;
  uint16_t dotstart;  // value of "." when the line began
};
extern printline_t pl;
extern int linenumout;
// Where the current line's error is reported when that is not the current
// file and line: an .include line whose file has already taken over.
extern std::string errfile;
extern int errline;  // -1: report with currentfilename and line
extern int listing;
extern long errflg;
extern const char* const error_tab[46];
void error(int code);
void linefill();
void lineprint();
void writemacf();
void printerror();
inline void appendtext(int c) {
  pl.text[pl.textlen] = (char)c;
  if (pl.textlen < 159) pl.textlen++;
}

// ---------------------------------------------------------------- expressions

extern uint16_t eval;
extern uint8_t etype;
extern uint16_t savdot[3];
extern int adrinc;
int expres(int t);
int compute(int t, int limit);
int exlevel(int t);
uint8_t combin(uint8_t left, uint8_t right, int sub);
int opline(int t);
int address(int t);
int getx(int t);
void checkreg();
int checkrp(int t);

// ---------------------------------------------------------------- conditionals

extern int ifflg;
extern int tstresult;
extern uint32_t resultstack;
extern int16_t ifnest;
int checkcond(int k);
int skipfilter(int t);
int condop(int k, int n);

// ---------------------------------------------------------------- macro processor

struct macline {
  char text[164];  // up to 160 characters, a newline and a NUL
  macline* next;
};

struct macdef {
  std::string name;
  std::vector<std::string> formals;  // entries as written, "?" included
  int nformals;
  macline* firstline;
  macdef* next;
};

struct maccell {
  std::vector<std::string> args;
  macdef* savedmac;
  maccell* next;
  macline* resumeline;
  bool isrep;       // this expansion runs a repeat block
  size_t argbytes;  // bytes of argument text read for the call
};

struct inccell {
  std::string filename;
  int resumeline;
  int savedmacactive;
  inccell* next;
  long filepos;
  macline* savedline;  // the suspended expansion's reading position
  int savedidx;
};

struct repcell {
  std::string savedlist;
  size_t savedparm;
  std::string savedname;
  int savedloops;
  int savedkind;
  repcell* next;
};

extern std::string currentfilename;
extern int line;
extern int16_t lineadvance;
extern int curarg;
extern int nargs;
extern inccell* includestackcell;
extern int incdepth;
extern macline* currentline;
extern int currentidx;

extern macdef* machead;
extern int macronest;
extern maccell* macstackcell;
extern int macdepth;
extern macdef* currentmac;
extern std::string opstring;
extern std::string formaltext;  // argument text found by the last readformal
extern int replaceformal;
extern int lableidx;
extern int repcall;
extern bool repnoformal;  // the .irp or .irpc just stored has no formal

extern int readrep;
extern int reploops;
extern std::string repname;
extern int repnameidx;
extern std::string repparam;
extern size_t parm;
extern repcell* repstackcell;

// The next character of the current source: remembered text first, then
// the innermost expansion's body line, then the current file (0..255), or
// -1 at the end of the file.  The common case, a byte of the file, is
// inline; the rest is readchar_slow.
extern int macactive;
extern int rmmbrflg;
extern const unsigned char* inptr;
extern const unsigned char* inend;
int readchar_slow();
inline int readchar() {
  if (!rmmbrflg && !macactive && inptr < inend) return *inptr++;
  return readchar_slow();
}
void remember(const std::string& text);
int endsource();
int checkeof(int c);
bool srcopen(const char* name, long pos);
long srcpos();
void srcclose();

int macroop(int t, int n);  // .macro
int maccall(int t);
int endmop();
int mexitop();
void savemac(const std::string& name, bool lineended);
int ismaccommand(const std::string& name, const char* text);
int startmac(const std::string& name);
int readformal();
int getformalidx(const std::string& name, std::string& dst);
void closemac();

int reptop(int n);
int irpop(int kind);
int endrop(int n);
void pushrep();
void poprep();

int nargop(int n);
int nchrop(int n);
int ntypeop(int n);
int ntype(int t, int deferred);
int tgetx(int t, int deferred);

int includeop();

}  // namespace vorn
