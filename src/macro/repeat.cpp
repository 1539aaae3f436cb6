// Repeat blocks: .rept, .irp and .irpc, stored as macros under generated
// names and expanded without arguments; .endr restarts or ends the body.
#include <new>

#include "common/vorn.h"

namespace vorn {

int readrep = 0;
int reploops = 0;
std::string repname = "NULL";
int repnameidx = 0;
std::string repparam;
size_t parm = 0;
repcell* repstackcell = nullptr;

namespace {
// A name that cannot be written in source: "$$$" number blank.
void newrepname() { repname = "$$$" + std::to_string(repnameidx++) + " "; }

// The current .irp item: from parm up to its NUL or the end of the list.
std::string irpitem() {
  if (parm >= repparam.size()) return "";
  size_t e = repparam.find('\0', parm);
  return repparam.substr(parm, e == std::string::npos ? std::string::npos : e - parm);
}

// Start the expansion of the block just stored, its first argument given.
void startrep(const std::string& first) {
  repcall = 1;
  startmac(repname);
  repcall = 0;
  macstackcell->args.assign(1, first);
}
}  // namespace

void pushrep() {
  repcell* c = new (std::nothrow) repcell{repparam, parm, repname, reploops, readrep, repstackcell};
  if (!c) fatal("can't allocate memory for loops");
  repstackcell = c;
}

void poprep() {
  repcell* c = repstackcell;
  if (!c) {
    printf("VORM:%d: Internal: loops stack managment error\n", line);
    aexit();
  }
  repparam = c->savedlist;
  parm = c->savedparm;
  repname = c->savedname;
  reploops = c->savedloops;
  readrep = c->savedkind;
  repstackcell = c->next;
  delete c;
}

// .rept count
int reptop(int n) {
  int t = expres(n);
  int16_t count = (int16_t)eval;
  if (!checkeos(t)) {
    error(22);
    do t = readop();
    while (!checkeos(t));
  }
  pushrep();
  newrepname();
  readrep = 1;
  checkeof(t);
  savemac(repname, true);
  if (count > 0) {
    reploops = count;
    startrep("");
  } else {
    poprep();
    if (count < 0) error(39);
  }
  return TK_NL;
}

// .irp formal,<list>   and   .irpc formal,string
int irpop(int kind) {
  pushrep();
  newrepname();
  readrep = kind == T_IRP ? 2 : 3;
  savemac(repname, false);
  if (repnoformal) {
    poprep();
  } else {
    if (readrep == 2) {
      reploops = 0;
      if (!repparam.empty()) {
        reploops = 1;
        for (char& c : repparam)
          if (c == ',') c = '\0', reploops++;
      }
    } else {
      reploops = (int)repparam.size();
    }
    if (reploops > 0) {
      parm = 0;
      startrep(readrep == 2 ? irpitem() : repparam.substr(0, 1));
    } else {
      poprep();
    }
  }
  putshort(TK_NL);
  return TK_NL;
}

// .endr as a statement: the next repetition, or the end of the block.
int endrop(int n) {
  if (macactive == 0 || readrep == 0 || !macstackcell->isrep) {
    error(34);
    return n;
  }
  if (--reploops <= 0) {
    poprep();
    closemac();
    return R_REPEND;
  }
  std::string& arg = macstackcell->args[0];
  if (readrep == 2) {
    parm = repparam.find('\0', parm) + 1;
    arg = irpitem();
  } else if (readrep == 3) {
    parm++;
    arg.assign(1, parm < repparam.size() ? repparam[parm] : ' ');
  }
  currentline = currentmac->firstline;
  currentidx = 0;
  return R_REPEND;
}

}  // namespace vorn
