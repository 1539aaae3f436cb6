#include "generate.h"

#include "common/permtab.h"

namespace hostile {

namespace {

#define HOSTILE_NAME(n, t, v) n,
const std::vector<std::string> permanent = {VORN_PERMANENT_SYMBOLS(HOSTILE_NAME)};
#undef HOSTILE_NAME

const std::vector<std::string> usernames = {
    "a", "b", "c", "x", "y", "lab", "m", "n", "loop", "abcdefgh", "abcdefghij", "MOV", "$0",
    "?l", "~a", "~", "x}a", "}a", "a}", "a}}b", "_x", "..", "$$$1", "z9"};

const std::vector<std::string> operators = {
    "!", "#", "%", "&", "(", ")", "*", "+", ",", "-", "/", ":", "=", "@", "[", "]", "^", "`",
    "|", "\\<", "\\>", "\\x", "\\", "\\{", "::", "==", "}", ">", "{", "\x7f", "\x80", "\xff"};

const std::vector<std::string> strings = {
    "<abc>", "<>", "<a\\>b>", "<\\n\\e\\0\\s>", "<", "<unterminated", "'a", "'", "\"ab", "\"a",
    "\"", "'\\n", "'\\", "<\\", "'\x04"};

const std::vector<std::string> separators = {" ", " ", "\t", ",", "", "  "};

std::string number(Rng& r) {
  switch (r.below(6)) {
    case 0: return std::to_string(r.below(8));
    case 1: return std::to_string(r.below(0200000)) + ".";
    case 2: return std::to_string(r.next() % 100000000000ULL);  // digits 8 and 9, overflow
    case 3: return std::to_string(r.below(10)) + (r.chance(50) ? "b" : "f");
    case 4: return std::to_string(10 + r.below(90)) + "b";  // error 7
    default: return std::to_string(r.below(01000));
  }
}

std::string token(Rng& r) {
  switch (r.below(10)) {
    case 0: case 1: case 2: return r.pick(permanent);
    case 3: case 4: return r.pick(usernames);
    case 5: return number(r);
    case 6: return r.pick(strings);
    default: return r.pick(operators);
  }
}

// Expressions with brackets and unary operators, at most `depth` deep.
std::string expr(Rng& r, int depth) {
  std::string e;
  if (depth > 0 && r.chance(25)) {
    e = "[" + expr(r, depth - 1) + "]";
  } else if (depth > 0 && r.chance(15)) {
    static const std::vector<std::string> unary = {"-", "!", "^c", "+"};
    e = r.pick(unary) + expr(r, depth - 1);
  } else {
    switch (r.below(6)) {
      case 0: e = r.pick(usernames); break;
      case 1: e = "."; break;
      case 2: e = r.chance(50) ? "'q" : "\"ab"; break;
      default: e = number(r);
    }
  }
  if (depth > 0 && r.chance(40)) {
    static const std::vector<std::string> binary = {"+", "-", "*", "/", "&", "|", "!",
                                                    "%", "^", "\\<", "\\>", "`"};
    e += r.pick(binary) + expr(r, depth - 1);
  }
  return e;
}

std::string reg(Rng& r) {
  static const std::vector<std::string> regs = {"r0", "r1", "r2", "r3", "r4", "r5", "sp", "pc",
                                                "fr0", "r9", "a"};
  return r.pick(regs);
}

std::string operand(Rng& r) {
  switch (r.below(11)) {
    case 0: return reg(r);
    case 1: return "(" + reg(r) + ")+";
    case 2: return "-(" + reg(r) + ")";
    case 3: return "@(" + reg(r) + ")+";
    case 4: return "@-(" + reg(r) + ")";
    case 5: return expr(r, 2) + "(" + reg(r) + ")";
    case 6: return "@" + expr(r, 1) + "(" + reg(r) + ")";
    case 7: return "#" + expr(r, 2);
    case 8: return "@#" + expr(r, 1);
    case 9: return "@" + expr(r, 1);
    default: return expr(r, 2);
  }
}

const std::vector<std::string> conditions = {".eq.", ".ne.", ".gt.", ".ge.", ".lt.", ".le.",
                                             ".df.", ".ndf."};
const std::vector<std::string> argconditions = {".b.", ".nb.", ".idn.", ".dif."};
const std::vector<std::string> macronames = {"m", "mac", "mov", "nest", "r"};

struct Gen {
  Rng& r;
  std::string out;
  int left;  // statements still to generate

  void line(const std::string& s) { out += s + "\n"; }

  void simple() {
    switch (r.below(16)) {
      case 0: line("\tmov\t" + operand(r) + ", " + operand(r)); break;
      case 1: line("\t" + r.pick({"clr", "tst", "inc", "jmp", "swab", "asl"}) + "\t" + operand(r)); break;
      case 2: line("\t" + r.pick({"br", "bne", "sob r1,", "jsr pc,", "rts", "emt", "ash #1,"}) + " " + expr(r, 2)); break;
      case 3: line("\t.word\t" + expr(r, 3) + ", " + expr(r, 2)); break;
      case 4: line("\t.byte\t" + expr(r, 2) + ", " + expr(r, 1)); break;
      case 5: line("\t.ascii\t" + r.pick(strings) + " " + r.pick(strings)); break;
      case 6: line("\t" + r.pick({".even", ".text", ".data", ".bss", ".list", ".nolist"})); break;
      case 7: line("\t.blkw\t" + expr(r, 1)); break;
      case 8: line("\t" + r.pick({".globl", ".comm"}) + "\t" + r.pick(usernames) + ", " + expr(r, 1)); break;
      case 9: line(r.pick(usernames) + (r.chance(20) ? "::" : ":") + "\tnop"); break;
      case 10: line(std::to_string(r.below(10)) + ":"); break;
      case 11: line(r.pick(usernames) + (r.chance(20) ? " == " : " = ") + expr(r, 3)); break;
      case 12: line(". = . + " + expr(r, 1)); break;
      case 13: line("\t" + r.pick({".narg", ".nchr", ".ntype"}) + " " + r.pick(usernames) + ", " + operand(r)); break;
      case 14: line("\t" + r.pick({".mexit", ".endm", ".endr", ".endc", ".ift", ".iff", ".iftf", ".endif"})); break;
      default: {
        std::string s;
        for (size_t k = r.below(8); k > 0; --k) s += token(r) + r.pick(separators);
        line(s);
      }
    }
  }

  void block(int depth) {
    while (left > 0) {
      --left;
      if (depth > 3 || r.chance(60)) {
        simple();
      } else {
        compound(depth);
      }
      if (r.chance(15)) return;
    }
  }

  void compound(int depth) {
    switch (r.below(9)) {
      case 0: case 1: {
        line("\t.if\t" + r.pick(conditions) + "\t" + expr(r, 2));
        block(depth + 1);
        if (r.chance(40)) {
          line(r.pick({"\t.iff", "\t.ift", "\t.iftf"}));
          block(depth + 1);
        }
        line("\t.endc");
        break;
      }
      case 2: line("\t.iif\t" + r.pick(conditions) + " " + expr(r, 1) + ", " + r.pick(usernames) + " = 1"); break;
      case 3: {
        line("\t.nif\t" + expr(r, 1));
        block(depth + 1);
        line("\t.endif");
        break;
      }
      case 4: case 5: {
        std::string name = r.pick(macronames);
        line(".macro\t" + name + " a, b, ?l");
        if (r.chance(50)) line("\t.if\t" + r.pick(argconditions) + " a" + (r.chance(50) ? ", b" : "") + "\n\t.mexit\n\t.endc");
        line("l:\tmov\ta, b");
        line("x}a = b");
        block(depth + 1);
        line(".endm" + std::string(r.chance(30) ? " " + name : ""));
        for (size_t k = r.below(3); k > 0; --k) call(name);
        break;
      }
      case 6: call(r.pick(macronames)); break;
      case 7: {
        line("\t.rept\t" + std::to_string(r.below(4)));
        block(depth + 1);
        line("\t.endr");
        break;
      }
      default: {
        if (r.chance(50))
          line("\t.irp\tf, <" + expr(r, 1) + ", , " + r.pick(usernames) + ">");
        else
          line("\t.irpc\tf, " + std::string(r.chance(50) ? "abc" : "<a b>"));
        line("\t.word\tf");
        block(depth + 1);
        line("\t.endr");
        if (r.chance(10)) line("\t.include\tinc.s");
      }
    }
  }

  void call(const std::string& name) {
    static const std::vector<std::string> args = {"r0", "<a, b>", "\\x", "", "<(r1)+>", "#1",
                                                  "<unterminated", "\\", "a", "l"};
    std::string s = "\t" + name;
    for (size_t k = r.below(4); k > 0; --k) s += (k > 1 ? " " : "") + r.pick(args) + ",";
    line(s);
  }
};

}  // namespace

std::string randombytes(Rng& r, size_t len) {
  static const char special[] = {0, 4, 012, 014, 013, 0177, '\\', '}', '{', '<', '>',
                                 '"', '\'', ';', '~', '\n', ' ', '\t', '\r'};
  std::string s;
  s.reserve(len);
  while (s.size() < len) {
    size_t k = r.below(10);
    if (k < 3)
      s += special[r.below(sizeof special)];
    else if (k < 5)
      s += static_cast<char>(r.below(256));
    else if (k < 6)
      s += token(r);
    else
      s += static_cast<char>(' ' + r.below(95));
  }
  return s;
}

std::string tokensoup(Rng& r, int lines) {
  std::string s;
  for (int i = 0; i < lines; ++i) {
    for (size_t k = r.below(10); k > 0; --k) s += token(r) + r.pick(separators);
    if (r.chance(10)) s += "; comment";
    s += '\n';
  }
  return s;
}

std::string program(Rng& r, int statements) {
  Gen g{r, "", statements};
  while (g.left > 0) g.block(0);
  return g.out;
}

std::string mutate(Rng& r, std::string text) {
  for (size_t n = 1 + r.below(4); n > 0 && !text.empty(); --n) {
    size_t at = r.below(text.size()), len = 1 + r.below(std::min<size_t>(64, text.size() - at));
    switch (r.below(6)) {
      case 0: text.erase(at, len); break;
      case 1: text.insert(at, text.substr(at, len)); break;
      case 2: text.insert(at, token(r)); break;
      case 3: text.insert(at, randombytes(r, 1 + r.below(4))); break;
      case 4: text.resize(at); break;
      default: {
        size_t nl = text.find('\n', at);
        if (nl != std::string::npos) text.insert(0, text.substr(at, nl + 1 - at));
      }
    }
  }
  return text;
}

}  // namespace hostile
