// The command line: fewer than eight arguments after the program name is a
// usage error that creates no file.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/vorn.h"

namespace fs = std::filesystem;

TEST(Driver, TooFewArgumentsCreateNothing) {
  fs::path dir = fs::temp_directory_path() / ("vorn-usage-" + std::to_string(getpid()));
  fs::create_directories(dir);
  std::vector<std::string> names = {"vorn", "-", (dir / "tok").string(), (dir / "fb").string(),
                                    (dir / "sym").string(), (dir / "info").string(),
                                    (dir / "diag").string(), (dir / "lst").string()};
  std::vector<char*> argv;
  for (auto& n : names) argv.push_back(n.data());
  argv.push_back(nullptr);
  testing::internal::CaptureStderr();
  int status = vorn::vornmain((int)names.size(), argv.data());
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 3);
  EXPECT_EQ(err, "usage: vorn flags tmp1 tmp2 tmp3 tmp4 diag listing output [source ...]\n");
  EXPECT_TRUE(fs::is_empty(dir));
  fs::remove_all(dir);
}
