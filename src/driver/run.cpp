// Start-up, file roles, the end of the run and the fatal exits.
#include <cstdlib>
#include <cstring>
#include <new>

#include <sys/stat.h>
#include <unistd.h>

#include "common/vorn.h"

namespace vorn {

int vmode = 0;
const char* a_tmp1 = "";
const char* a_tmp2 = "";
const char* a_tmp3 = "";
const char* a_tmp4 = "";
const char* a_errp = ".";
const char* a_lstp = "";
const char* a_outp = "";
char** argvec = nullptr;
FILE* pof = nullptr;
FILE* fbfil = nullptr;
FILE* macf = nullptr;
FILE* flst = nullptr;

namespace {
char sobuf[512], iobuf[512], macbuf[512];
const char banner[] = "vorn: PDP-11 assembler, first pass\n\n";

[[noreturn]] void go();

// Close a stream; true when it failed, now or at any earlier write whose
// failure left only the stream's error flag behind (the listing and the
// line-information file are not checked line by line).
bool closefile(FILE* f) {
  bool bad = ferror(f) != 0;
  return fclose(f) != 0 || bad;
}

void nomemory() { fatal("can't allocate memory"); }

// Delete one intermediate file.  Only a regular file goes: a caller may name
// a device such as /dev/null for a file it does not want, and a run that
// fails must not remove the device (nor a directory or a pipe).  A symbolic
// link to a regular file is removed itself, its target is left.
void rmtemp(const char* path) {
  struct stat st;
  if (stat(path, &st) == 0 && S_ISREG(st.st_mode)) unlink(path);
}
}  // namespace

// Delete the four intermediate files and end with status 3.
void aexit() {
  rmtemp(a_tmp1);
  rmtemp(a_tmp2);
  rmtemp(a_tmp3);
  rmtemp(a_tmp4);
  exit(3);
}

FILE* fcreat(const char* path) {
  FILE* f = fopen(path, "wb");
  if (!f) {
    fprintf(stderr, "vorn: cannot open %s\n", path);
    aexit();
  }
  return f;
}

void wrterr(const char* format, const char* arg) {
  fprintf(stderr, "vorn: error on temp file: ");
  fprintf(stderr, format, arg);
  fprintf(stderr, "\n");
  aexit();
}

void filerr(const char* path) {
  fprintf(stderr, "vorn: i/o error in file %s. Good bye!!\n", path);
  aexit();
}

void fatal(const char* what) {
  fprintf(stderr, "vorn:%d: %s. bye!!!", line, what);
  aexit();
}

int vornmain(int argc, char** argv) {
  if (argc < 9) {
    fprintf(stderr, "usage: vorn flags tmp1 tmp2 tmp3 tmp4 diag listing output [source ...]\n");
    return 3;
  }
  std::set_new_handler(nomemory);
  argvec = argv;
  if (argv[1][0])
    for (const char* p = argv[1] + 1; *p; p++)
      if (*p == 'v') vmode++;
  a_tmp1 = argv[2];
  a_tmp2 = argv[3];
  a_tmp3 = argv[4];
  a_tmp4 = argv[5];
  a_errp = argv[6];
  a_lstp = argv[7];
  a_outp = argv[8];
  nargs = argc - 9;
  curarg = 8;
  usyminit();
  pof = fcreat(a_tmp1);
  setvbuf(pof, sobuf, _IOFBF, sizeof sobuf);
  fbfil = fcreat(a_tmp2);
  setvbuf(fbfil, iobuf, _IOFBF, sizeof iobuf);
  macf = fcreat(a_tmp4);
  setvbuf(macf, macbuf, _IOFBF, sizeof macbuf);
  setup();
  if (strcmp(a_errp, ".") != 0) {
    // Test the path first: a failed reopen would lose the old stream.
    FILE* f = fopen(a_errp, "w");
    if (!f) filerr(a_errp);
    fclose(f);
    if (!freopen(a_errp, "w", stderr)) filerr(a_errp);
  }
  flst = fopen(a_lstp, "w");
  if (!flst) filerr(a_lstp);
  fputs(banner, flst);
  ch = CH_EOFMARK;
  currentfilename = a_outp;
  go();
}

namespace {
void go() {
  assem();
  if (closefile(pof)) wrterr("can't close %s", a_tmp1);
  pof = nullptr;
  if (closefile(fbfil)) wrterr("can't close %s", a_tmp2);
  fbfil = nullptr;
  if (closefile(macf)) wrterr("can't close %s", a_tmp4);
  macf = nullptr;
  FILE* so = fcreat(a_tmp3);
  setvbuf(so, sobuf, _IOFBF, sizeof sobuf);
  symout(so);
  if (closefile(so)) wrterr("can't close %s", a_tmp3);
  if (closefile(flst)) wrterr("can't close %s", a_lstp);
  flst = nullptr;
  if (errflg) aexit();
  exit(0);
}
}  // namespace

}  // namespace vorn
