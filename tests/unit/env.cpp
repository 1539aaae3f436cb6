// Process-wide set-up for the unit tests: the tables and scratch files that
// the lexer and the evaluator write to.
#include <gtest/gtest.h>

#include "common/vorn.h"

namespace {
class VornEnv : public ::testing::Environment {
 public:
  void SetUp() override {
    vorn::usyminit();
    vorn::setup();
    vorn::flst = tmpfile();
    vorn::macf = tmpfile();
    vorn::fbfil = tmpfile();
    vorn::pof = tmpfile();
  }
};
[[maybe_unused]] ::testing::Environment* const env =
    ::testing::AddGlobalTestEnvironment(new VornEnv);
}  // namespace
