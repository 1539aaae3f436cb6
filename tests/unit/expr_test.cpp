// Unit tests of the expression evaluator: levels, association, the
// division and shift rules, and the type rule.
#include <gtest/gtest.h>

#include <string>

#include "common/vorn.h"

using namespace vorn;

namespace {

struct Result {
  uint16_t value;
  uint8_t type;
  int end;
  int err;
};

Result evaluate(const std::string& text) {
  ch = 0;
  saveop = 0;
  pl.errcode = 0;
  pl.textlen = 0;
  remember(text + "\n");
  int end = expres(readop());
  Result r{eval, etype, end, pl.errcode};
  while (!checkeos(end)) end = readop();
  return r;
}

TEST(Expr, LevelsAndAssociation) {
  struct {
    const char* text;
    uint16_t value;
  } rows[] = {
      {"1+2*3", 7},       {"2*3+1", 7},         {"7-2-1", 4},      {"1\\<2+1", 8},
      {"6&3|4", 6},       {"-2*3", 0177772},    {"[1+2]*3", 9},    {"-1", 0177777},
      {"!0", 0177777},    {"10.", 10},          {"7/2", 3},        {"7%2", 1},
      {"177772/2", 0177775}, {"6/177776", 0},   {"177772%4", 2},   {"2\\<16.", 0},
      {"2\\<32.", 2},     {"177777\\>16.", 0177777}, {"100000\\>1", 0140000},
      {"100000\\>17.", 077777}, {"1\\<-1", 0},  {"--5", 5},        {"8.^3", 11},
  };
  for (auto& r : rows) {
    Result x = evaluate(r.text);
    EXPECT_EQ(x.value, r.value) << r.text;
    EXPECT_EQ(x.type, T_ABS) << r.text;
    EXPECT_EQ(x.err, 0) << r.text;
  }
}

TEST(Expr, Errors) {
  Result r = evaluate("");
  EXPECT_EQ(r.err, 19);
  EXPECT_EQ(r.end, TK_NL);
  r = evaluate("1+");
  EXPECT_EQ(r.err, 19);
  EXPECT_EQ(r.value, 1);
  EXPECT_EQ(r.type, T_UNDEF);
  r = evaluate("5/0");
  EXPECT_EQ(r.err, 28);
  EXPECT_EQ(r.value, 0);
  r = evaluate("5%0");
  EXPECT_EQ(r.err, 28);
  r = evaluate("[1+2");
  EXPECT_EQ(r.err, 20);
  EXPECT_EQ(r.value, 3);
  EXPECT_EQ(r.end, TK_NL);
  r = evaluate("2!3");
  EXPECT_EQ(r.value, 2);
  EXPECT_EQ(r.end, '!');
}

TEST(Expr, TypeRule) {
  EXPECT_EQ(combin(T_TEXT, T_TEXT, 1), T_ABS);
  EXPECT_EQ(combin(T_TEXT, T_TEXT, 0), T_TEXT);
  EXPECT_EQ(combin(T_TEXT, T_DATA, 0), T_DATA);
  EXPECT_EQ(combin(T_DATA, T_TEXT, 1), T_DATA);
  EXPECT_EQ(combin(T_REG, T_ABS, 0), T_REG);
  EXPECT_EQ(combin(T_REG, T_REG, 1), T_ABS);
  EXPECT_EQ(combin(T_UNDEF | T_GLOBAL, T_TEXT, 0), T_GLOBAL);
  EXPECT_EQ(combin(T_TEXT | T_GLOBAL, T_TEXT, 1), T_GLOBAL | T_ABS);
  EXPECT_EQ(exlevel('!'), 1);
  EXPECT_EQ(exlevel('['), 7);
  EXPECT_EQ(exlevel(','), 0);
  Result r = evaluate("r3-r1");
  EXPECT_EQ(r.value, 2);
  EXPECT_EQ(r.type, T_ABS);
  r = evaluate("r1+2");
  EXPECT_EQ(r.type, T_REG);
  r = evaluate("1`r2");  // type transfer: right's value, left's type
  EXPECT_EQ(r.value, 2);
  EXPECT_EQ(r.type, T_ABS);
  r = evaluate("1f");
  EXPECT_EQ(r.type, T_UNDEF);
  EXPECT_EQ(r.err, 0);
  r = evaluate("3b");
  EXPECT_EQ(r.err, 18);
  EXPECT_EQ(r.value, 0177777);
}

}  // namespace
