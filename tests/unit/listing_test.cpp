// Listing lines and line-information records made from the line record:
// line numbers wider than their column, over-long lines, error reports.
#include <gtest/gtest.h>

#include <string>

#include "common/vorn.h"

namespace {
std::string slurp(FILE* f) {
  std::string s;
  rewind(f);
  for (int c; (c = getc(f)) != EOF;) s += (char)c;
  return s;
}

void feed(const std::string& text) {
  for (char c : text) vorn::appendtext((unsigned char)c);
}
}  // namespace

TEST(Listing, WideNumbersLongLinesAndErrors) {
  using namespace vorn;
  FILE* lst = tmpfile();
  FILE* info = tmpfile();
  std::swap(flst, lst);
  std::swap(macf, info);
  sym saved = dot();
  int savedline = line;
  currentfilename = "f.s";
  dot().value = 0100;

  // Six digits of line number are printed whole and push the text right;
  // three bytes show six dots and then three.
  line = 123456;
  linefill();
  feed("\tmovb\t(r1)+,x\n");
  dot().value += 3;
  lineprint();
  // A line longer than the record keeps 159 characters and its line feed.
  line = 7;
  linefill();
  feed(std::string(200, 'a') + "\n");
  error(5);
  error(22);
  testing::internal::CaptureStderr();
  lineprint();
  std::string err = testing::internal::GetCapturedStderr();

  std::string a159(159, 'a');
  EXPECT_EQ(slurp(flst),
            "000100   ......    ...         123456     \tmovb\t(r1)+,x\n"
            "000103                             7     " + a159 + "\n"
            "\t\t*** error  5 in f.s - bad numeric label.\n");
  EXPECT_EQ(slurp(macf), "123456 0 f.s\n\tmovb\t(r1)+,x\n\n7 0 f.s\n" + a159 + "\n\n");
  EXPECT_EQ(err, "f.s(line   7): error  5 - bad numeric label.\n");

  fclose(flst);
  fclose(macf);
  flst = lst;
  macf = info;
  dot() = saved;
  line = savedline;
}
