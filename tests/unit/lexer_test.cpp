// Unit tests of the lexical layer: classes, hashing and probing, the user
// table, and the token reader on text fed through the remembered-text path.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/vorn.h"

using namespace vorn;

namespace {

// Runs the token reader over a text, with a scratch token file.
class Lex : public ::testing::Test {
 protected:
  void SetUp() override {
    if (pof) fclose(pof);
    pof = tmpfile();
    ch = 0;
    saveop = 0;
    errflg = 0;
    pl.errcode = 0;
    pl.textlen = 0;
    ifflg = 0;
    nosave = 0;
  }
  // Tokens of text up to its end-of-line, and the words they wrote.
  std::vector<int> tokens(const std::string& text) {
    remember(text + "\n");
    std::vector<int> out;
    for (int t; (t = readop()) != TK_NL && t != TK_EOF;) out.push_back(t);
    return out;
  }
  std::vector<int> words() {
    fflush(pof);
    long n = ftell(pof);
    rewind(pof);
    std::vector<int> w;
    for (long i = 0; i + 1 < n; i += 2) {
      int lo = getc(pof), hi = getc(pof);
      w.push_back(lo | hi << 8);
    }
    return w;
  }
};

TEST(Chars, ClassTable) {
  const char* op = "!#%&()*+,-/:=@[]^`|";
  for (int c = 0; c < 256; c++) {
    int want = 0;
    if (c == 4 || c == 10) want = 1;
    else if (c == 9 || c == 13 || c == 32) want = 2;
    else if (c && strchr(op, c)) want = 3;
    else if (c == '"') want = 4;
    else if (c == '\'') want = 5;
    else if (c == ';') want = 6;
    else if ((c && strchr("$.?_~", c)) || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
             (c >= 'a' && c <= 'z'))
      want = 7;
    else if (c == '<') want = 8;
    else if (c == '>') want = 9;
    else if (c == '\\') want = 10;
    else if (c == '}') want = 13;
    EXPECT_EQ(chartab[c], want) << "character " << c;
  }
}

TEST(Symbols, HashAndProbe) {
  EXPECT_EQ(hashsym("abc"), 0xC462);
  EXPECT_EQ(hashsym("abcdefghij"), hashsym("abcdefgh"));
  // abc probes 2257, 2240, 2223 ... (stride 17).
  static int saved[3001];
  memcpy(saved, hshtab, sizeof hshtab);
  memset(hshtab, 0, sizeof hshtab);
  char abc[8] = "abc";
  EXPECT_EQ(findsym(0xC462, abc) - hshtab, 2257);
  hshtab[2257] = TK_PERM0;  // occupied by "."
  EXPECT_EQ(findsym(0xC462, abc) - hshtab, 2240);
  hshtab[2240] = TK_PERM0;
  EXPECT_EQ(findsym(0xC462, abc) - hshtab, 2223);
  // A remainder of 0 wraps at once to slot 3000.
  EXPECT_EQ(findsym(3001 * 2, abc) - hshtab, 3000);
  memcpy(hshtab, saved, sizeof hshtab);
}

TEST(Symbols, PermanentWords) {
  char mov[8] = "mov";
  EXPECT_EQ(*findsym(hashsym(mov), mov), 01074);
  char nolist[8] = {'.', 'n', 'o', 'l', 'i', 's', 't', 0};
  EXPECT_EQ(*findsym(hashsym(nolist), nolist), 02314);
  char incl[8] = {'.', 'i', 'n', 'c', 'l', 'u', 'd', 'e'};
  EXPECT_EQ(*findsym(hashsym(incl), incl), 01000 + 4 * 165);
}

TEST_F(Lex, Numbers) {
  EXPECT_EQ(tokens("12abc"), (std::vector<int>{TK_NUMBER, tokens("abc")[0]}));
  SetUp();
  tokens("1.5 8 177777 200000 19");
  EXPECT_EQ(words(), (std::vector<int>{1, 1, 1, 5, 1, 8, 1, 0177777, 1, 0, 1, 021, 012}));
  SetUp();
  EXPECT_EQ(tokens("1b 9f"), (std::vector<int>{0142, 0164}));
  EXPECT_EQ(errflg, 0);
  EXPECT_EQ(tokens("12b"), (std::vector<int>{0141}));
  EXPECT_EQ(pl.errcode, 7);
  // A digit count that would wrap to 1 still means many digits.
  SetUp();
  EXPECT_EQ(tokens(std::string(65537, '7') + "f"), (std::vector<int>{0153}));
  EXPECT_EQ(pl.errcode, 7);
  EXPECT_EQ(numlen, 0xffff);
}

TEST_F(Lex, Constants) {
  tokens("'a \"ab");
  EXPECT_EQ(words(), (std::vector<int>{1, 0141, 1, 061141, 012}));
  EXPECT_EQ(errflg, 0);
  SetUp();
  tokens("\"a");
  EXPECT_EQ(pl.errcode, 25);
  EXPECT_EQ(numval, 0xFF61);
  SetUp();
  tokens("'");
  EXPECT_EQ(pl.errcode, 26);
  EXPECT_EQ(numval, 0xFFFF);
  SetUp();
  tokens("'>");
  EXPECT_EQ(pl.errcode, 26);
  EXPECT_EQ(numval, 076);
  SetUp();
  tokens("'\\n '\\q '\\e");
  EXPECT_EQ(words(), (std::vector<int>{1, 012, 1, 'q', 1, 4, 012}));
}

TEST_F(Lex, Strings) {
  EXPECT_EQ(tokens("<ab>"), (std::vector<int>{TK_STRING}));
  EXPECT_EQ(numval, 2);
  EXPECT_EQ(words(), (std::vector<int>{074, 0541, 0542, 0177777, 012}));
  SetUp();
  tokens("<a\\>b>");
  EXPECT_EQ(numval, 3);
  EXPECT_EQ(errflg, 0);
  SetUp();
  tokens("<ab");
  EXPECT_EQ(pl.errcode, 9);
  EXPECT_EQ(words(), (std::vector<int>{074, 0541, 0542, 0177777, 012}));
  SetUp();
  tokens("<\xe9>");  // bytes above 0177 are unsigned
  EXPECT_EQ(words()[1], 0400 + 0xe9);
}

TEST_F(Lex, OperatorsAndEscapes) {
  EXPECT_EQ(tokens("\\< \\> \\a , ; comment"), (std::vector<int>{035, 036, 'a', ','}));
  SetUp();
  // A backslash before a control character or a byte above 0177 makes no
  // token, so no token can pose as a loop result 6, 7 or 8.
  EXPECT_EQ(tokens(std::string("\\\x07 \\\xff +")), (std::vector<int>{'+'}));
  EXPECT_EQ(pl.errcode, 8);
  SetUp();
  // The left brace and DEL belong to the illegal class too: both dropped.
  EXPECT_EQ(tokens("\\{ \\\x7f +"), (std::vector<int>{'+'}));
  EXPECT_EQ(errflg, 2);
  SetUp();
  EXPECT_EQ(tokens("\x0c+ >"), (std::vector<int>{'+'}));
  EXPECT_EQ(errflg, 2);
  EXPECT_EQ(pl.errcode, 8);
}

TEST_F(Lex, SkippedTextWritesLineEndsOnly) {
  ifflg = 1;
  tokens("mov #12, r0");
  ifflg = 0;
  EXPECT_EQ(words(), (std::vector<int>{012}));
}

TEST_F(Lex, NamesAndTheUserTable) {
  int a = tokens("abcdefgh")[0];
  EXPECT_EQ(tokens("abcdefghijk")[0], a);
  EXPECT_NE(tokens("MOV")[0], 01074);
  // Fresh names make separate records that no lookup finds.
  int f1 = tokens("~abc")[0], f2 = tokens("~abc")[0], plain = tokens("abc")[0];
  EXPECT_NE(f1, f2);
  EXPECT_NE(f1, plain);
  EXPECT_NE(f2, plain);
  // Grow the table well past its first block: it grows by 1000 bytes
  // when fewer than 12 remain, and every name is still found afterwards.
  std::vector<int> first;
  int growths = 0;
  for (int i = 0; i < 300; i++) {
    size_t size = (char*)endcore - (char*)usymtab, used = (char*)symend - (char*)usymtab;
    first.push_back(tokens("g" + std::to_string(i))[0]);
    size_t now = (char*)endcore - (char*)usymtab;
    if (now != size) {
      growths++;
      EXPECT_LT(size - used, 12u);
      EXPECT_EQ(now, used + 1000);
    }
  }
  EXPECT_GE(growths, 3);
  for (int i = 0; i < 300; i++) EXPECT_EQ(tokens("g" + std::to_string(i))[0], first[i]);
  EXPECT_EQ(symname(first[299]), "g299");
}

}  // namespace
