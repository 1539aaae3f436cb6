// The permanent and user symbol tables, the hash table and the name reader.
#include <cstdlib>
#include <cstring>

#include "common/vorn.h"

namespace vorn {

namespace {
// A record from a name of up to eight characters (no room for a NUL).
constexpr sym mksym(const char* n, uint16_t t, uint16_t v) {
  sym s{};
  for (int i = 0; i < 8 && n[i]; i++) s.name[i] = n[i];
  s.type = t;
  s.value = v;
  return s;
}
}  // namespace

sym symtab[NPERM] = {
#define PERM(n, t, v) mksym(n, t, v),
    VORN_PERMANENT_SYMBOLS(PERM)
#undef PERM
};

sym* usymtab = nullptr;
sym* symend = nullptr;
sym* endcore = nullptr;
int hshtab[3001];

namespace {
constexpr size_t USERGROW = 1000;     // bytes added at each growth
constexpr long MAXUSER = 15872;       // records that a token word can address
size_t usymbytes = 0;                 // size of the user block in bytes
std::string joinbuf;                  // text of a joined name
std::string argbuf;                   // actual argument of a formal
}  // namespace

// Sum of the characters (signed), the two bytes swapped after each.
uint16_t hashsym(const char* name) {
  uint16_t h = 0;
  for (int i = 0; i < 8 && name[i]; i++) {
    h = (uint16_t)(h + (signed char)name[i]);
    h = (uint16_t)((h << 8) | (h >> 8));
  }
  return h;
}

int namcmp(const char* a, const char* b) { return memcmp(a, b, 8) == 0; }

// The slot that holds name, or the empty slot where it belongs.  The probe
// walks downward with a stride fixed by the high part of the hash and gives
// up at its second wrap below slot 0.
int* findsym(uint16_t h, const char* name) {
  int q = h / 3001;
  int k = h % 3001;
  bool wrapped = false;
  for (;;) {
    if (k <= 0) {
      if (wrapped) {
        fprintf(stderr, "vorn: symbol table overflow\n");
        aexit();
      }
      k += 3001;
      wrapped = true;
    }
    int* slot = &hshtab[k - 1];
    if (*slot == 0 || namcmp(symp(*slot)->name, name)) return slot;
    k = k - 1 - q;
  }
}

void setup() {
  for (int i = 0; i < NPERM; i++) {
    char name[8] = {};
    memcpy(name, symtab[i].name, 8);
    *findsym(hashsym(name), name) = TK_PERM0 + 4 * i;
  }
}

void usyminit() {
  usymbytes = USERGROW;
  usymtab = (sym*)malloc(usymbytes);
  if (!usymtab) fatal("can't allocate memory for symbol table");
  symend = usymtab;
  endcore = (sym*)((char*)usymtab + usymbytes);
}

std::string symname(int t) {
  const sym* s = symp(t);
  return std::string(s->name, strnlen(s->name, 8));
}

namespace {
// Append a record for name to the user table and return its token word.
// Hash slots hold token words (indexes), so growing the block needs no
// re-pointing of the slots.
int usymadd(const char* name) {
  size_t used = (size_t)((char*)symend - (char*)usymtab);
  if ((size_t)((char*)endcore - (char*)symend) < sizeof(sym)) {
    usymbytes = used + USERGROW;
    sym* p = (sym*)realloc(usymtab, usymbytes);
    if (!p) fatal("can't allocate memory for symbol table");
    usymtab = p;
    symend = (sym*)((char*)p + used);
    endcore = (sym*)((char*)p + usymbytes);
  }
  long idx = symend - usymtab;
  if (idx >= MAXUSER) {
    fprintf(stderr, "vorn: symbol table overflow\n");
    aexit();
  }
  memcpy(symend->name, name, 8);
  symend->type = 0;
  symend->value = 0;
  symend++;
  return TK_USER0 + 4 * (int)idx;
}
}  // namespace

// Read a name whose first character is pending in ch (after a "}" already
// consumed when joined is set).  Returns the record's token word after
// writing it, or, when the name was replaced by a formal's argument or is a
// joined name, the character that ended it (formalfound says which).
int rname(bool joined) {
  bool fresh = false;
  if (ch == '~') {
    ch = 0;
    fresh = true;
  }
  // The listing is set back to where the name began: before its first
  // character when that is still pending in ch, and before the "}" that
  // the token reader consumed for a name joined to an empty first segment.
  int savedlen = pl.textlen - (joined ? 1 : 0);
  bool pending = ch != 0;
  // After error 29 on this line, replacement text is read as written.
  if (runaway && rmmbrflg > 0) noformal = 1;
  char seg[9];
  int n, c;
  joinbuf.clear();
  for (;;) {
    n = 0;
    while (chartab[c = rch()] == 7)
      if (n < 8) seg[n++] = (char)c;
    seg[n] = 0;
    if (c != '}') break;
    joined = true;
    if (!noformal && macstackcell && getformalidx(seg, argbuf) >= 0)
      joinbuf += argbuf;
    else
      joinbuf += seg;
  }
  if (!noformal) {
    int idx = macstackcell ? getformalidx(seg, argbuf) : -2;
    if (idx >= 0 || joined) {
      joinbuf += idx >= 0 ? argbuf : std::string(seg);
      joinbuf += (char)c;
      remember(joinbuf);
      formalfound = joined ? 0 : idx;
      pl.textlen = savedlen - (pending ? 1 : 0);
      if (pl.textlen < 0) pl.textlen = 0;
      return c;
    }
  }
  noformal = 0;
  formalfound = -1;
  ch = c;
  char name[8] = {};
  memcpy(name, seg, n);
  int t;
  if (fresh) {
    t = usymadd(name);
  } else {
    int* slot = findsym(hashsym(name), name);
    if (*slot == 0) *slot = usymadd(name);
    t = *slot;
  }
  putshort(t);
  return t;
}

}  // namespace vorn
