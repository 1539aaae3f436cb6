// End-to-end cases: every directory under tests/cases is one test.
//
// A case holds source files, an optional `args` line (the flag string, then
// the source names; default "- src.s") and expectation files.  The case is
// copied into a fresh temporary directory and run there as
//     vorn FLAGS tok fb sym info diag lst out SOURCES...
// and each expectation present is compared with what the run produced:
//     expect.status  decimal exit status (0 when absent)
//     expect.tok     `vorn-dump tok tok sym`
//     expect.fb      `vorn-dump fb fb`
//     expect.sym     `vorn-dump sym sym`
//     expect.info    `vorn-dump info info`
//     expect.lst     the listing, byte for byte
//     expect.diag    the diagnostics file, byte for byte
//     expect.stdout  vorn's standard output
// Whatever the expectations, a run that ends with status 3 must leave none of
// the four intermediate files, and a run that ends with status 0 must leave
// all of them.  A file `skip` skips the case, its text being the reason.

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

constexpr int TIMEOUT_SECONDS = 60;
const char* const INTERMEDIATE[] = {"tok", "fb", "sym", "info"};

std::optional<std::string> slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// Splits the args line at blanks; single or double quotes group, so that ""
// gives an empty flag string.
std::vector<std::string> splitargs(const std::string& line) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    if (i >= line.size()) break;
    std::string word;
    while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) {
      char c = line[i++];
      if (c == '"' || c == '\'') {
        while (i < line.size() && line[i] != c) word += line[i++];
        if (i < line.size()) ++i;
      } else {
        word += c;
      }
    }
    out.push_back(word);
  }
  return out;
}

struct RunResult {
  bool started = false;
  bool timedout = false;
  int status = -1;  // exit status when the program exited
  int signal = 0;   // signal that ended it, 0 if none
  std::string describe() const {
    if (!started) return "could not be started";
    if (timedout) return "timed out after " + std::to_string(TIMEOUT_SECONDS) + " s";
    if (signal) return std::string("killed by signal ") + strsignal(signal);
    return "exit status " + std::to_string(status);
  }
};

// Runs argv in directory cwd with standard input from /dev/null and the
// standard output and error streams sent to the given files.
RunResult run(const std::vector<std::string>& argv, const fs::path& cwd, const fs::path& outfile,
              const fs::path& errfile) {
  RunResult r;
  std::vector<char*> cargv;
  for (const auto& a : argv) cargv.push_back(const_cast<char*>(a.c_str()));
  cargv.push_back(nullptr);
  // Everything the child needs is prepared before fork.
  std::string cwds = cwd.string(), outs = outfile.string(), errs = errfile.string();

  pid_t pid = fork();
  if (pid < 0) return r;
  if (pid == 0) {
    setpgid(0, 0);  // its own group, so that a timeout ends all it started
    int in = open("/dev/null", O_RDONLY);
    int out = open(outs.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = open(errs.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
        chdir(cwds.c_str()) != 0)
      _exit(127);
    execv(cargv[0], cargv.data());
    _exit(127);
  }
  setpgid(pid, pid);
  r.started = true;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(TIMEOUT_SECONDS);
  int wstatus = 0;
  for (;;) {
    pid_t w = waitpid(pid, &wstatus, WNOHANG);
    if (w == pid) break;
    if (w < 0 && errno != EINTR) {
      r.started = false;
      return r;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      kill(-pid, SIGKILL);
      waitpid(pid, &wstatus, 0);
      r.timedout = true;
      return r;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (WIFEXITED(wstatus)) r.status = WEXITSTATUS(wstatus);
  if (WIFSIGNALED(wstatus)) r.signal = WTERMSIG(wstatus);
  return r;
}

std::vector<std::string> splitlines(const std::string& s) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < s.size()) {
    size_t nl = s.find('\n', start);
    if (nl == std::string::npos) {
      lines.push_back(s.substr(start));  // no final line feed: marked below
      lines.back() += '\0';
      break;
    }
    lines.push_back(s.substr(start, nl - start));
    start = nl + 1;
  }
  return lines;
}

// One line of a difference, with tabs, other control characters and
// trailing blanks made visible.
std::string visible(const std::string& line) {
  std::string out;
  size_t end = line.size();
  bool nonl = end > 0 && line[end - 1] == '\0';
  if (nonl) --end;
  size_t trail = end;
  while (trail > 0 && line[trail - 1] == ' ') --trail;
  for (size_t k = 0; k < end; ++k) {
    unsigned char c = line[k];
    if (c == '\t') {
      out += "\\t";
    } else if (c < 040 || c == 0177 || c == '\\' || (c == ' ' && k >= trail)) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  if (nonl) out += "  (no line feed at the end)";
  return out;
}

// A unified-style difference of two texts, lines of expected marked '-',
// lines of actual marked '+', with up to three lines of context.
std::string difference(const std::string& expected, const std::string& actual) {
  auto a = splitlines(expected), b = splitlines(actual);
  size_t pre = 0;
  while (pre < a.size() && pre < b.size() && a[pre] == b[pre]) ++pre;
  size_t suf = 0;
  while (suf < a.size() - pre && suf < b.size() - pre && a[a.size() - 1 - suf] == b[b.size() - 1 - suf])
    ++suf;
  size_t n = a.size() - pre - suf, m = b.size() - pre - suf;

  // Edit script of the differing middle: longest common subsequence when it
  // is small enough, otherwise everything removed and added.
  std::vector<std::pair<char, std::string>> script;
  if (n * m <= 4000000) {
    std::vector<std::vector<unsigned>> l(n + 1, std::vector<unsigned>(m + 1, 0));
    for (size_t i = n; i-- > 0;)
      for (size_t j = m; j-- > 0;)
        l[i][j] = a[pre + i] == b[pre + j] ? l[i + 1][j + 1] + 1 : std::max(l[i + 1][j], l[i][j + 1]);
    size_t i = 0, j = 0;
    while (i < n || j < m) {
      if (i < n && j < m && a[pre + i] == b[pre + j]) {
        script.emplace_back(' ', a[pre + i]);
        ++i, ++j;
      } else if (i < n && (j == m || l[i + 1][j] >= l[i][j + 1])) {
        script.emplace_back('-', a[pre + i++]);
      } else {
        script.emplace_back('+', b[pre + j++]);
      }
    }
  } else {
    for (size_t i = 0; i < n; ++i) script.emplace_back('-', a[pre + i]);
    for (size_t j = 0; j < m; ++j) script.emplace_back('+', b[pre + j]);
  }

  std::string out = "--- expected\n+++ actual\n@@ from line " + std::to_string(pre + 1) + " @@\n";
  for (size_t k = pre >= 3 ? pre - 3 : 0; k < pre; ++k) out += " " + visible(a[k]) + "\n";
  for (const auto& [mark, text] : script) out += std::string(1, mark) + visible(text) + "\n";
  for (size_t k = 0; k < std::min<size_t>(suf, 3); ++k) out += " " + visible(a[a.size() - suf + k]) + "\n";
  return out;
}

std::vector<std::string> casenames() {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(VORN_CASES_DIR, ec))
    if (e.is_directory()) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Test names may hold only letters, digits and underscores; two directories
// whose names differ only in other characters get distinct test names.
std::string testname(const testing::TestParamInfo<std::string>& info) {
  static std::set<std::string> used;
  std::string s = info.param;
  for (char& c : s)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  if (s.empty() || used.count(s)) s += "_" + std::to_string(info.index);
  used.insert(s);
  return s;
}

class Case : public testing::TestWithParam<std::string> {};

TEST_P(Case, Run) {
  const fs::path casedir = fs::path(VORN_CASES_DIR) / GetParam();
  if (auto reason = slurp(casedir / "skip")) {
    GTEST_SKIP() << *reason;
  }

  std::string templ = (fs::temp_directory_path() / "vorn-e2e-XXXXXX").string();
  ASSERT_NE(mkdtemp(templ.data()), nullptr) << "mkdtemp: " << std::strerror(errno);
  const fs::path base = templ;
  // The run's directory is removed when the case passes and kept for
  // inspection when it fails, however the test ends.
  struct Keeper {
    fs::path dir;
    ~Keeper() {
      std::error_code ec;
      if (testing::Test::HasFailure())
        std::cout << "case run left in " << dir.string() << "\n";
      else
        fs::remove_all(dir, ec);
    }
  } keeper{base};
  const fs::path work = base / "run";
  std::error_code ec;
  fs::copy(casedir, work, fs::copy_options::recursive, ec);
  ASSERT_FALSE(ec) << "copying " << casedir << ": " << ec.message();

  std::vector<std::string> args = {"-", "src.s"};
  if (auto line = slurp(casedir / "args")) {
    args = splitargs(*line);
    ASSERT_FALSE(args.empty()) << "args names no flag string";
  }
  std::vector<std::string> argv = {VORN_BIN, args[0], "tok", "fb", "sym", "info", "diag", "lst", "out"};
  argv.insert(argv.end(), args.begin() + 1, args.end());

  RunResult r = run(argv, work, base / "stdout", base / "stderr");
  std::string stderrtext = slurp(base / "stderr").value_or("");
  ASSERT_TRUE(r.started && !r.timedout && !r.signal)
      << "vorn " << r.describe() << "\nstandard error:\n" << stderrtext;

  int want = 0;
  if (auto s = slurp(casedir / "expect.status")) want = std::atoi(s->c_str());
  EXPECT_EQ(r.status, want) << "exit status; standard error:\n" << stderrtext;

  for (const char* f : INTERMEDIATE) {
    bool exists = fs::exists(work / f);
    if (r.status == 3) {
      EXPECT_FALSE(exists) << f << " still exists after a failed run";
    } else if (r.status == 0) {
      EXPECT_TRUE(exists) << f << " is missing after a successful run";
    }
  }

  auto compare = [&](const char* expectname, const std::optional<std::string>& actual,
                     const std::string& what) {
    auto expected = slurp(casedir / expectname);
    if (!expected) return;
    if (!actual) {
      ADD_FAILURE() << what << " was not produced, so " << expectname << " cannot be compared";
      return;
    }
    if (*expected != *actual) ADD_FAILURE() << what << " differs from " << expectname << ":\n"
                                            << difference(*expected, *actual);
  };

  // Decodes an intermediate file with vorn-dump.
  auto dump = [&](std::vector<std::string> dargs) -> std::optional<std::string> {
    if (!fs::exists(work / dargs[1])) return std::nullopt;
    dargs.insert(dargs.begin(), VORN_DUMP_BIN);
    RunResult d = run(dargs, work, base / "dump.out", base / "dump.err");
    if (!d.started || d.timedout || d.signal || d.status != 0) {
      ADD_FAILURE() << "vorn-dump " << dargs[1] << " " << d.describe() << ": "
                    << slurp(base / "dump.err").value_or("");
      return std::nullopt;
    }
    return slurp(base / "dump.out");
  };

  if (fs::exists(casedir / "expect.tok")) compare("expect.tok", dump({"tok", "tok", "sym"}), "token file");
  if (fs::exists(casedir / "expect.fb")) compare("expect.fb", dump({"fb", "fb"}), "numeric-label file");
  if (fs::exists(casedir / "expect.sym")) compare("expect.sym", dump({"sym", "sym"}), "symbol-table file");
  if (fs::exists(casedir / "expect.info")) compare("expect.info", dump({"info", "info"}), "line-info file");
  compare("expect.lst", slurp(work / "lst"), "listing");
  compare("expect.diag", slurp(work / "diag"), "diagnostics");
  compare("expect.stdout", slurp(base / "stdout"), "standard output");
}

INSTANTIATE_TEST_SUITE_P(E2E, Case, testing::ValuesIn(casenames()), testname);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Case);

}  // namespace
