// Macro definitions and their storage, macro calls with their arguments,
// formal lookup with generated labels, and the end of an expansion.
#include <cstring>
#include <new>
#include <unordered_map>

#include "common/vorn.h"

namespace vorn {

macdef* machead = nullptr;
int macronest = 0;
maccell* macstackcell = nullptr;
int macdepth = 0;
macdef* currentmac = nullptr;
std::string opstring;
std::string formaltext;
int replaceformal = 1;
int lableidx = 0;
int repcall = 0;
bool repnoformal = false;

namespace {
constexpr int MAXMACDEPTH = 10000;

// Argument text that the active expansions may hold together.  Arguments
// have no size of their own, but a recursion that joins its arguments
// doubles them at every level and would take all memory long before the
// nesting limit.
constexpr size_t MAXARGTEXT = (size_t)1 << 20;
size_t argtotal = 0;

void argroom(size_t more) {
  if (argtotal + more > MAXARGTEXT) fatal("can't allocate memory for macro span");
}

// The newest definition of each name: the same answer as a walk of the
// definition list from its head, without the walk.
std::unordered_map<std::string, macdef*> macindex;

std::string segbuf, argcopy;

// How many active expansions declare each formal name.  Most names read in
// an expansion are no formal at all; the count answers them without a walk
// of the expansion stack, which a deep recursion makes thousands of levels
// long.
std::unordered_map<std::string, int> formalcount;

void countformals(const macdef* d, int delta) {
  for (const std::string& f : d->formals) {
    if (f.empty()) break;
    formalcount[f.c_str() + (f[0] == '?')] += delta;
  }
}

bool isws(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// Read and drop the rest of a line that is being stored.
void discardline() {
  while (!checkeof(rch())) {
  }
}

// formals -> { [blanks] name (',' | blank | ';' comment | end) }
// Returns the character that ended the last formal, '\n' for a line end.
int readformals(macdef* d, bool one) {
  int c = rch();
  if (checkeof(c)) return '\n';
  if (c == ';') {
    discardline();
    return '\n';
  }
  ch = c;
  for (;;) {
    do c = rch();
    while (chartab[c] == 2);
    std::string f;
    while (!(c == ',' || chartab[c] == 2 || c == ';' || checkeof(c))) {
      if (chartab[c] != 7) error(8);
      f += (char)c;
      c = rch();
    }
    size_t keep = (!f.empty() && f[0] == '?') ? 9 : 8;
    if (f.size() > keep) f.resize(keep);
    d->formals.push_back(f);
    d->nformals++;
    if (c == ';') {
      discardline();
      c = '\n';
    }
    if (one || c == '\n') return c;
  }
}
}  // namespace

// Store the definition whose header follows under name, through its
// closing line.  lineended: the header line has already been read.
void savemac(const std::string& name, bool lineended) {
  macronest = 1;
  macdef* d = new (std::nothrow) macdef{name, {}, 0, nullptr, machead};
  if (!d) fatal("can't allocate memory for macro");
  machead = d;
  macindex[name] = d;
  repnoformal = false;
  if (readrep != 1 && !lineended) {
    bool irp = readrep == 2 || readrep == 3;
    int c = readformals(d, irp);
    if (irp) {
      const std::string* f = d->formals.empty() ? nullptr : &d->formals[0];
      if (!f || f->empty() || *f == "?") {
        error(41);
        repnoformal = true;
      }
      // The list follows a formal ended by a comma or a blank.
      repparam.clear();
      if (c != '\n') {
        c = readformal();
        repparam = opstring;
        if (!checkeof(c)) discardline();
      }
    }
  }
  lineprint();
  line += lineadvance;
  linefill();
  macline** link = &d->firstline;
  for (;;) {
    macline* ml = new (std::nothrow) macline;
    if (!ml) fatal("can't allocate memory for macro");
    ml->next = nullptr;
    int n = 0;
    bool cut = false;
    for (;;) {
      int c = rch();
      if (checkeof(c)) break;
      if (n == 160) {
        ch = c;  // a longer line goes on as the next stored line
        cut = true;
        break;
      }
      ml->text[n++] = (char)c;
    }
    ml->text[n++] = '\n';
    ml->text[n] = 0;
    putshort(TK_NL);
    *link = ml;
    link = &ml->next;
    if (ismaccommand(name, ml->text) == 1) return;
    lineprint();
    // The part of a cut line keeps the number of its physical line, so that
    // later lines keep theirs.
    if (!cut) line += lineadvance;
    linefill();
    // The character that did not fit is waiting in ch; it begins the next
    // stored line and so the next listing line.
    if (cut) appendtext(ch);
  }
}

// 0 an ordinary body line, 1 the line that closes the definition, 2 a
// line that opens a nested definition.
int ismaccommand(const std::string& name, const char* text) {
  const char* p = text;
  while (isws(*p)) p++;
  const char* closing = readrep == 0 ? ".endm" : ".endr";
  if (strncmp(p, closing, 5) == 0 && (isws(p[5]) || p[5] == '\n')) {
    if (--macronest != 0) return 0;
    p += 5;
    while (isws(*p)) p++;
    if (*p == '\n' || *p == ';') return 1;
    std::string nm;
    while (*p && !isws(*p) && *p != '\n') {
      if (nm.size() < 8) nm += *p;
      p++;
    }
    if (macstackcell && getformalidx(nm, argcopy) >= 0) nm = argcopy;
    if (nm != name) error(42);
    return 1;
  }
  bool opens = readrep == 0 ? strncmp(p, ".macro", 6) == 0
                            : strncmp(p, ".rept", 5) == 0 || strncmp(p, ".irp", 4) == 0;
  if (opens) {
    macronest++;
    return 2;
  }
  return 0;
}

// .macro name formals
int macroop(int t, int n) {
  (void)t;
  std::string name;
  if (issym(n) && n != TK_DOT && (int8_t)stype(n) <= 0142) {
    symp(n)->type = T_MACNAME;
    name = symname(n);
  } else {
    error(35);
    if (issym(n)) name = symname(n);
  }
  int saved = readrep;  // a definition met in a repeat body is a macro
  readrep = 0;
  if (checkeos(n)) {
    checkeof(n);
    savemac(name, true);
  } else {
    putshort(TK_NL);
    savemac(name, false);
  }
  readrep = saved;
  return TK_NL;
}

// A statement whose operator is a macro name.
int maccall(int t) {
  putshort(0);
  putshort(TK_NL);
  int c = startmac(symname(t));
  return c == TK_EOF ? TK_EOF : TK_NL;
}

int startmac(const std::string& name) {
  if (macactive) macstackcell->resumeline = currentidx > 0 ? currentline->next : currentline;
  auto it = macindex.find(name);
  if (it == macindex.end()) {
    printf("VORZ:%d: Internal error\n", line);
    aexit();
  }
  macdef* d = it->second;
  if (macdepth >= MAXMACDEPTH) fatal("macro nesting too deep");
  maccell* cell = new (std::nothrow) maccell{{}, currentmac, macstackcell, nullptr, repcall != 0, 0};
  if (!cell) fatal("can't allocate memory for macro span");
  int c = TK_NL;
  if (!repcall) {
    for (;;) {
      c = readformal();
      if ((checkeos(c) || c == ';') && opstring.empty()) break;
      argroom(opstring.size());
      argtotal += opstring.size();
      cell->argbytes += opstring.size();
      cell->args.push_back(opstring);
      if (checkeos(c) || c == ';') break;
    }
    if (c == ';') {
      ch = 0;
      do c = rch();
      while (!checkeos(c));
    }
  }
  macstackcell = cell;
  macdepth++;
  currentmac = d;
  countformals(d, 1);
  currentline = d->firstline;
  currentidx = 0;
  lineadvance = 0;
  macactive++;
  return c;
}

// One actual argument into opstring; returns the character that ended it.
int readformal() {
  formalfound = -1;
  formaltext.clear();
  skipblanks();
  int argstart = pl.textlen - 1;
  if (argstart < 0) argstart = 0;
  opstring.clear();
  int c = rch();
  bool bracket = false;
  if (c == '<') {
    bracket = true;
    argstart = pl.textlen;
  } else if (c == '\\') {
    // \sym: the symbol's value in octal.
    int savednosave = nosave;
    nosave = 2;
    int t = readop();
    nosave = savednosave;
    if (checkeos(t)) {
      error(37);
      opstring.assign(1, '0');
      return t;
    }
    if (issym(t) && stype(t) != 0 && (int8_t)stype(t) <= 0142) {
      char buf[8];
      snprintf(buf, sizeof buf, "%o", symp(t)->value);
      opstring = buf;
    } else {
      error(37);
      opstring.assign(1, '0');
    }
    c = skipblanks();
    if (checkeos(c) || c == ',') {
      ch = 0;
      return c;
    }
    if (c != ';') error(10);
    return c;
  } else {
    ch = c;
  }
  int term;
  for (;;) {
    segbuf.clear();
    int t;
    while (chartab[t = rch()] == 7) segbuf += (char)t;
    int idx = getformalidx(segbuf, argcopy);
    formalfound = idx;
    if (idx >= 0) {
      argroom(opstring.size() + argcopy.size());
      opstring += argcopy;
      formaltext = argcopy;
    } else {
      opstring += segbuf;
    }
    if (!bracket) {
      if (checkeos(t) || t == ',' || chartab[t] == 6 || chartab[t] == 2) {
        term = t;
        break;
      }
    } else {
      if (checkeos(t)) {
        error(9);
        term = t;
        break;
      }
      if (t == '>') {
        term = rch();
        break;
      }
    }
    opstring += (char)t;
  }
  if (replaceformal == 1) {
    pl.textlen = argstart;
    for (char x : opstring) appendtext((uint8_t)x);
    if (bracket) appendtext('>');
    appendtext(term);
  }
  if (chartab[term] == 2) {
    term = skipblanks();
    if (checkeos(term) || term == ',') ch = 0;
    else if (term != ';') error(10);
    return term;
  }
  if (!checkeos(term) && term != ',') {
    if (term != ';') error(10);
    ch = term;
  }
  return term;
}

// The index of name among the formals of the innermost expansion that has
// it, with its argument copied to dst; -1 for none, -2 without expansions.
int getformalidx(const std::string& name, std::string& dst) {
  if (!macstackcell) return -2;
  // A few levels are walked faster than the name is hashed.
  if (macdepth > 8) {
    auto known = formalcount.find(name);
    if (known == formalcount.end() || known->second == 0) return -1;
  }
  macdef* d = currentmac;
  maccell* cell = macstackcell;
  while (d && cell) {
    for (size_t i = 0; i < d->formals.size(); i++) {
      const std::string& f = d->formals[i];
      if (f.empty()) break;
      const char* fn = f.c_str() + (f[0] == '?');
      if (name != fn) continue;
      if (cell->args.size() <= i) cell->args.resize(i + 1);
      std::string& a = cell->args[i];
      if (f[0] == '?' && a.empty()) {
        char buf[16];
        snprintf(buf, sizeof buf, "$%o", (unsigned)lableidx++);
        a = buf;
      }
      dst = a;
      return (int)i;
    }
    d = cell->savedmac;
    cell = cell->next;
  }
  return -1;
}

void closemac() {
  maccell* cell = macstackcell;
  if (!cell) {
    printf("VORM:%d: macro stack managment internal error\n", line);
    aexit();
  }
  macactive--;
  currentidx = 0;
  if (currentmac) countformals(currentmac, -1);
  currentmac = cell->savedmac;
  macstackcell = cell->next;
  macdepth--;
  argtotal -= cell->argbytes;
  delete cell;
  if (macstackcell) currentline = macstackcell->resumeline;
  if (macactive == 0) lineadvance = 1;
}

// .endm as a statement: the end of an expansion.
int endmop() {
  int c;
  do c = rch();
  while (!checkeos(c));
  if (c == TK_EOF) ch = c;
  putshort(TK_NL);
  return mexitop();
}

int mexitop() {
  if (macactive == 0) {
    error(33);
    return R_MACEND;
  }
  if (macstackcell->isrep) poprep();
  closemac();
  return R_MACEND;
}

}  // namespace vorn
