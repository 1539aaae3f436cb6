// The input source stack: remembered replacement text, the body line of the
// innermost expansion, and the current file, with the change from one
// source file to the next and the return from included files.
#include <cstring>
#include <new>

#include "common/vorn.h"

namespace vorn {

std::string currentfilename;
int line = 0;
int16_t lineadvance = 1;
int curarg = 8;
int nargs = 0;
inccell* includestackcell = nullptr;
int incdepth = 0;
int macactive = 0;
macline* currentline = nullptr;
int currentidx = 0;
int rmmbrflg = 0;
const unsigned char* inptr = nullptr;
const unsigned char* inend = nullptr;

namespace {
// The current file, read through a buffer of our own; filebase is the
// offset of the buffer's first byte, so that the position after any byte
// is exact for the return from an include.
FILE* fin = nullptr;
unsigned char inbuf[1 << 16];
size_t inlen = 0;
long filebase = 0;

// One remembered text, read from readpos on; the newest is on top.  The
// cell and its text are one allocation, the text right after the cell.
struct textcell {
  char* text;
  size_t len;
  size_t readpos;
  textcell* next;
};
textcell* rmmbr = nullptr;

bool refill() {
  if (!fin) return false;
  filebase += (long)inlen;
  inlen = fread(inbuf, 1, sizeof inbuf, fin);
  inptr = inbuf;
  inend = inbuf + inlen;
  return inlen > 0;
}

// A stored body that runs out without its closing line being executed ends
// its expansion as .mexit would.
void bodyend() {
  if (macstackcell && macstackcell->isrep) poprep();
  closemac();
  if (pl.textlen == 0) {
    line += lineadvance;
    linefill();
  }
}

const char equals[] = "=============================================================================";
}  // namespace

bool srcopen(const char* name, long pos) {
  FILE* f = fopen(name, "r");
  if (!f) return false;
  if (pos && fseek(f, pos, SEEK_SET) != 0) {
    fclose(f);
    return false;
  }
  // A directory opens on some systems but cannot be read.
  int c = getc(f);
  if (ferror(f)) {
    fclose(f);
    return false;
  }
  if (c != EOF) ungetc(c, f);
  srcclose();
  fin = f;
  filebase = pos;
  inlen = 0;
  inptr = inend = inbuf;
  return true;
}

void srcclose() {
  if (fin) fclose(fin);
  fin = nullptr;
  filebase = 0;
  inlen = 0;
  inptr = inend = inbuf;
}

long srcpos() { return filebase + (long)(inptr - inbuf); }

int readchar_slow() {
  for (;;) {
    if (rmmbrflg) {
      textcell* t = rmmbr;
      int c = (uint8_t)t->text[t->readpos++];
      if (t->readpos >= t->len) {
        rmmbr = t->next;
        delete[] (char*)t;
        rmmbrflg--;
      }
      return c;
    }
    if (macactive) {
      if (!currentline) {
        bodyend();
        continue;
      }
      int c = (uint8_t)currentline->text[currentidx++];
      if (c == '\n' || c == 4 || c == 0) {
        currentidx = 0;
        currentline = currentline->next;
        if (c == 0) continue;
      }
      return c;
    }
    if (inptr < inend || refill()) return *inptr++;
    return -1;
  }
}

void remember(const std::string& text) {
  if (text.empty()) return;
  char* block = new (std::nothrow) char[sizeof(textcell) + text.size()];
  if (!block) fatal("can't allocate memory for text substitution");
  char* p = block + sizeof(textcell);
  memcpy(p, text.data(), text.size());
  textcell* t = new (block) textcell{p, text.size(), 0, rmmbr};
  rmmbr = t;
  rmmbrflg++;
}

// The end of the current file: back to the including file, or on to the
// next source file.  Returns 0 when no input is left.
int endsource() {
  if (inccell* c = includestackcell) {
    currentfilename = c->filename;
    line = c->resumeline;
    macactive = c->savedmacactive;
    if (macactive) lineadvance = 0;
    currentline = c->savedline;
    currentidx = c->savedidx;
    if (!srcopen(currentfilename.c_str(), c->filepos)) {
      fprintf(stderr, "%s?\n", currentfilename.c_str());
      aexit();
    }
    includestackcell = c->next;
    incdepth--;
    linefill();
    delete c;
    return 1;
  }
  if (nargs <= 0) {
    srcclose();
    return 0;
  }
  nargs--;
  if (ifflg) {
    error(6);
    printerror();
  }
  const char* name = argvec[++curarg];
  if (!srcopen(name, 0)) {
    fprintf(stderr, "%s?\n", name);
    aexit();
  }
  currentfilename = name;
  line = 1;
  // The file-start record; while text is skipped none of it is written.
  if (!ifflg && !nosave) {
    putshort(TK_FILE);
    for (const char* p = name; *p; p++) putshort((signed char)*p);
    putshort(0177777);
  }
  if (vmode) printf("assembling %s\n", name);
  size_t len = strlen(name);
  fprintf(flst, "\n\tS O U R C E    F I L E    :    %s\n", name);
  fprintf(flst, "\t===============================%.*s\n\n", (int)(len < 77 ? len : 77), equals);
  linefill();
  return 1;
}

// The end-of-statement test while a definition is stored: the end of the
// input there is fatal.
int checkeof(int c) {
  if (c == 4) {
    printerror();  // an error already pending on the line is reported too
    error(readrep == 0 ? 44 : 45);
    printerror();
    aexit();
  }
  return c == '\n';
}

}  // namespace vorn
