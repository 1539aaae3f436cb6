// .include: read another file in place, then go on after the directive.
#include <new>

#include "common/vorn.h"

namespace vorn {

namespace {
constexpr int MAXINCDEPTH = 100;
}

int includeop() {
  int c = readformal();
  putshort(0);
  putshort(TK_NL);
  if (!checkeos(c)) {
    do c = rch();
    while (!checkeos(c));
  }
  inccell* cell = new (std::nothrow) inccell{currentfilename, line + lineadvance, macactive,
                                              includestackcell, srcpos(), currentline, currentidx};
  if (!cell) fatal("can't allocate memory for include stack cell");
  if (!srcopen(opstring.c_str(), 0)) {
    error(38);
    delete cell;
    return c;
  }
  if (incdepth >= MAXINCDEPTH) fatal("include nesting too deep");
  includestackcell = cell;
  incdepth++;
  // An error on the .include line itself belongs to the including file,
  // although the line ends after the included file has taken over.
  errfile = currentfilename;
  errline = line;
  macactive = 0;
  currentfilename = opstring;
  line = 0;
  lineadvance = 1;
  return c;
}

}  // namespace vorn
