// Generators of hostile assembler sources, all driven by one deterministic
// random stream so that a seed names an input exactly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hostile {

// splitmix64: small, fast, and the same sequence on every platform (unlike
// the standard distributions, whose results are implementation-defined).
class Rng {
 public:
  explicit Rng(uint64_t seed) : s_(seed) {}
  uint64_t next() {
    uint64_t z = (s_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  size_t below(size_t n) { return n ? next() % n : 0; }
  bool chance(unsigned percent) { return below(100) < percent; }
  const std::string& pick(const std::vector<std::string>& v) { return v[below(v.size())]; }

 private:
  uint64_t s_;
};

// Bytes of any value, weighted towards those the reader treats specially
// (NUL, code 4, form feed, bytes above 0177, line ends, escapes, braces).
std::string randombytes(Rng& r, size_t len);

// Lines of tokens drawn at random from the whole language: every permanent
// name, user names, numbers, numeric labels, strings and character
// constants (also cut short), operators, escapes, joins, fresh names,
// comments and illegal characters.
std::string tokensoup(Rng& r, int lines);

// A program that is mostly well formed: instructions with every addressing
// form, data directives, labels and assignments, nested conditionals, macro
// definitions and calls, repeat blocks, argument inquiry and includes of
// the file `inc.s`.
std::string program(Rng& r, int statements);

// The text with a few random edits: ranges deleted or doubled, tokens or
// bytes inserted, lines swapped, the end cut off.
std::string mutate(Rng& r, std::string text);

}  // namespace hostile
