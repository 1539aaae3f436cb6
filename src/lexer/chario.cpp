// Character input: the class table, the one-character push-back and the
// copying of every character into the current listing line.
#include <array>
#include <string_view>

#include "common/vorn.h"

namespace vorn {

namespace {
constexpr std::array<uint8_t, 256> makechartab() {
  std::array<uint8_t, 256> t{};  // class 0, illegal, by default
  t[4] = t[10] = 1;
  t['\t'] = t['\r'] = t[' '] = 2;
  for (char c : std::string_view("!#%&()*+,-/:=@[]^`|")) t[(uint8_t)c] = 3;
  t['"'] = 4;
  t['\''] = 5;
  t[';'] = 6;
  for (char c : std::string_view("$.?_~")) t[(uint8_t)c] = 7;
  for (int c = '0'; c <= '9'; c++) t[c] = 7;
  for (int c = 'A'; c <= 'Z'; c++) t[c] = 7;
  for (int c = 'a'; c <= 'z'; c++) t[c] = 7;
  t['<'] = 8;
  t['>'] = 9;
  t['\\'] = 10;
  t['}'] = 13;
  return t;
}
constexpr std::array<uint8_t, 256> chartab_init = makechartab();

// Escapes inside constants and strings: letter after a backslash, value.
constexpr char schar[] = {'b', 010, 'n', 012, 's', 040, 't', 011, 'e', 004,
                          '0', 000, 'r', 015, 'a', 006, 'p', 033, 0};
}  // namespace

const uint8_t chartab[256] = {
#define C(i) chartab_init[i]
#define C8(i) C(i), C(i + 1), C(i + 2), C(i + 3), C(i + 4), C(i + 5), C(i + 6), C(i + 7)
#define C64(i) C8(i), C8(i + 8), C8(i + 16), C8(i + 24), C8(i + 32), C8(i + 40), C8(i + 48), C8(i + 56)
    C64(0), C64(64), C64(128), C64(192)
#undef C64
#undef C8
#undef C
};

int ch = 0;
int strterm = 0;

// The single character reader.  Returns the next character (never 0), a
// newline for a last line without one, and 4 once all input is exhausted.
int rch() {
  int c = ch;
  if (c > 0) {
    ch = 0;
    return c;
  }
  ch = 0;
  bool atend = (c == CH_EOFMARK);
  for (;;) {
    if (!atend) {
      c = readchar();
      if (c > 0) {
        appendtext(c);
        return c;
      }
      if (c == 0) continue;
    }
    atend = false;
    // The current source is exhausted.
    if (pl.textlen != 0) {
      appendtext('\n');
      return '\n';
    }
    if (!endsource()) return TK_EOF;
  }
}

// One character of a constant or a <string>, after escape processing; -1
// at the end of the line, with the line end left pending in ch.
int rsch() {
  strterm = 0;
  int c = rch();
  if (c == 4 || c == '\n') {
    strterm = 1;
    ch = c;
    return -1;
  }
  if (c == '>') {
    strterm = 1;
    return c;
  }
  if (c == '\\') {
    c = rch();
    for (const char* p = schar; *p; p += 2)
      if (*p == c) return (uint8_t)p[1];
  }
  return c;
}

// Skip blanks; the first other character is left pending and returned.
int skipblanks() {
  int c;
  do c = rch();
  while (chartab[c] == 2);
  ch = c;
  return c;
}

}  // namespace vorn
