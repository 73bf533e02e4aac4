// The built program itself, as a script would call it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Result {
  int status;
  std::string out, err;
};

std::string Slurp(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

Result RunProgram(const std::string& args) {
  // CTest names the program's folder; run by hand, it is build/bin beside build/tests.
  const char* fromEnv = std::getenv("KAL_BIN_DIR");
  const fs::path binDir =
      fromEnv ? fs::path(fromEnv) : fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin";
  const fs::path dir = fs::temp_directory_path() / ("kalday_test_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string command = "'" + (binDir / "kalday").string() + "' " + args +
                              " >'" + (dir / "out").string() + "' 2>'" + (dir / "err").string() + "'";
  const int raw = std::system(command.c_str());
  Result result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(dir / "out"), Slurp(dir / "err")};
  fs::remove_all(dir);
  return result;
}

TEST(KaldayProgramTest, BadDateExitsWithStatus2) {
  for (const char* date : {"2021-02-29", "2020-13-01", "yesterday"}) {
    const Result r = RunProgram(std::string("--date ") + date);
    EXPECT_EQ(r.status, 2) << date;
    EXPECT_EQ(r.out, "") << date;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  const Result r = RunProgram("--old --date 1899-12-31");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "kalday: This implementation of the Old Calendar is only accurate from March 1, 1900 to "
            "February 28, 2084\n");
}

TEST(KaldayProgramTest, PrintsTheDay) {
  const Result r = RunProgram("--date 2020-04-19");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Sunday, April 19, 2020");
  EXPECT_NE(r.out.find("The Bright Resurrection of Christ, The Pascha of the Lord"), std::string::npos);
}

}  // namespace
