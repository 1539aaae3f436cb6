// The macro processor's records when memory runs out: each names what it
// could not allocate and ends the run with status 3.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "common/vorn.h"

namespace {
bool nomemory = false;  // set inside a death test: every nothrow new fails
}  // namespace

void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  return nomemory ? nullptr : std::malloc(n ? n : 1);
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
  return nomemory ? nullptr : std::malloc(n ? n : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void* operator new(std::size_t n) {
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t n) {
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}

TEST(MacroDeathTest, NoMemoryNamesTheRecord) {
  vorn::line = 12;
  EXPECT_EXIT(
      {
        nomemory = true;
        vorn::pushrep();
      },
      testing::ExitedWithCode(3), "^vorn:12: can't allocate memory for loops\\. bye!!!$");
  EXPECT_EXIT(
      {
        nomemory = true;
        vorn::remember("abc");
      },
      testing::ExitedWithCode(3),
      "^vorn:12: can't allocate memory for text substitution\\. bye!!!$");
  EXPECT_EXIT(
      {
        nomemory = true;
        vorn::savemac("m", true);
      },
      testing::ExitedWithCode(3), "^vorn:12: can't allocate memory for macro\\. bye!!!$");
  // With no source left the name is empty and the line has ended at once.
  EXPECT_EXIT(
      {
        nomemory = true;
        vorn::includeop();
      },
      testing::ExitedWithCode(3),
      "^vorn:12: can't allocate memory for include stack cell\\. bye!!!$");
}
