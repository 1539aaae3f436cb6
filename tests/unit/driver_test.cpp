// The command line and the end of a failed run.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/vorn.h"

namespace fs = std::filesystem;

namespace {
fs::path scratch(const char* what) {
  fs::path dir = fs::temp_directory_path() / (std::string("vorn-") + what + "-" +
                                              std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

int runmain(std::vector<std::string> names) {
  std::vector<char*> argv;
  for (auto& n : names) argv.push_back(n.data());
  argv.push_back(nullptr);
  return vorn::vornmain((int)names.size(), argv.data());
}
}  // namespace

// Fewer than eight arguments after the program name is a usage error that
// creates no file.
TEST(Driver, TooFewArgumentsCreateNothing) {
  fs::path dir = scratch("usage");
  std::vector<std::string> names = {"vorn", "-", (dir / "tok").string(), (dir / "fb").string(),
                                    (dir / "sym").string(), (dir / "info").string(),
                                    (dir / "diag").string(), (dir / "lst").string()};
  testing::internal::CaptureStderr();
  int status = runmain(names);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 3);
  EXPECT_EQ(err, "usage: vorn flags tmp1 tmp2 tmp3 tmp4 diag listing output [source ...]\n");
  EXPECT_TRUE(fs::is_empty(dir));
  fs::remove_all(dir);
}
