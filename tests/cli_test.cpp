// vorlane-scan end to end, as a script would call it.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <string>
#include <vector>

#include "tests/support/reference_scan.h"
#include "tests/support/run_process.h"
#include "tests/support/temp_dir.h"

namespace vorlane {
namespace {

using testing::ReadFile;
using testing::RunProcess;
using testing::WriteFile;

class CliTest : public ::testing::Test {
 protected:
  testing::ProcessResult Scan(std::vector<std::string> args) {
    args.insert(args.begin(), VORLANE_SCAN_BINARY);
    return RunProcess(args, dir_.path());
  }

  testing::TempDir dir_;
};

TEST_F(CliTest, RunsTheWholeScanInTheListFilesFolder) {
  ASSERT_EQ(::mkdir((dir_ / "lib").c_str(), 0777), 0);
  ASSERT_EQ(::mkdir((dir_ / "lib/scenery").c_str(), 0777), 0);
  WriteFile(dir_ / "lib/scenery/a.bgl", std::string("\0\xE0\x8C\xB7\x01\0\0\0", 8));
  WriteFile(dir_ / "lib/scenery/b.bgl", std::string("\x68\xBC\x0D\x00", 4));  // plain EDDF + 1
  WriteFile(dir_ / "lib/list.txt", "scenery/a.bgl\nscenery/b.bgl\nscenery/gone.bgl");

  const testing::ProcessResult result = Scan({"lib/list.txt", "eddf"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");  // no progress when stderr is not a terminal
  EXPECT_EQ(result.out, "3 files scanned, 2 occurrences of <EDDF> found, result in " + dir_.path() + "/lib/eddf.txt\n");
  EXPECT_EQ(ReadFile(dir_ / "lib/eddf.txt"),
            "\r\nEDDF found in file scenery/a.bgl at position 0x1\r\n\r\n"
            "\r\nILS ID EDDF in Runway-record found in file scenery/b.bgl at position 0x0\r\n\r\n"
            "\r\nFile scenery/gone.bgl in line 3 of list file not found!\r\n"
            "\r\n\r\n2 occurences of EDDF found ...\r\n");

  EXPECT_EQ(Scan({"lib/list.txt", "EDDF", "0"}).out,
            "3 files scanned, 1 occurrence of <EDDF> found, result in " + dir_.path() + "/lib/EDDF.txt\n");

  const std::string eddf = ReadFile(dir_ / "lib/eddf.txt");
  for (const std::vector<std::string>& threads : {std::vector<std::string>{"-j", "1"}, {"--threads", "64"}}) {
    std::vector<std::string> args = threads;
    args.insert(args.end(), {"lib/list.txt", "eddf"});
    EXPECT_EQ(Scan(args).exitCode, 0) << threads[1];
    EXPECT_EQ(ReadFile(dir_ / "lib/eddf.txt"), eddf) << threads[1];
  }
}

TEST_F(CliTest, RejectsArgumentsItWouldHaveToCut) {
  WriteFile(dir_ / "list.txt", "");
  const std::vector<std::vector<std::string>> wrong = {
      {},
      {"list.txt"},
      {"list.txt", "EDDFX"},
      {"list.txt", "EDDF", "12"},
      {"list.txt", "EDDF", "a"},
      {"list.txt", "EDDF", ""},
      {"list.txt", "EDDF", "1", "extra"},
      {"--verbose", "list.txt", "EDDF"},
      {"--threads", "0", "list.txt", "EDDF"},
      {"-j", "65", "list.txt", "EDDF"},
      {"-j", "2x", "list.txt", "EDDF"},
      {"-j", "", "list.txt", "EDDF"},
      {"list.txt", "EDDF", "--threads"},
      {"list.txt", "\xFF"},                // not UTF-8
      {"list.txt", "\xE6\x97\xA5"},        // not in Windows-1252
      {"", "EDDF"},
      {"no/such/folder/list.txt", "EDDF"},  // folder missing
      {".", "EDDF"},                        // a folder, not a list
      {"sub/", "EDDF"},
  };
  ASSERT_EQ(::mkdir((dir_ / "sub").c_str(), 0777), 0);
  for (const std::vector<std::string>& args : wrong) {
    const testing::ProcessResult result = Scan(args);
    std::string shown;
    for (const std::string& arg : args) shown += "'" + arg + "' ";
    EXPECT_EQ(result.exitCode, 2) << shown;
    EXPECT_NE(result.err.find("vorlane-scan: "), std::string::npos) << shown;
    EXPECT_EQ(result.out, "") << shown;
  }
  EXPECT_FALSE(testing::Exists(dir_ / "EDDF.txt"));
  EXPECT_NE(Scan({"no/such/folder/list.txt", "EDDF"}).err.find("'no/such/folder' does not exist"), std::string::npos);
  EXPECT_NE(Scan({"sub", "EDDF"}).err.find("names a folder"), std::string::npos);
}

TEST_F(CliTest, AcceptsWhatTheDialogAccepts) {
  WriteFile(dir_ / "list.txt", "");
  const testing::ProcessResult help = Scan({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("Usage: vorlane-scan", 0), 0u);

  EXPECT_EQ(Scan({"list.txt", ""}).exitCode, 0);  // the empty code
  EXPECT_EQ(ReadFile(dir_ / ".txt"), testing::MissingRecord("", 1) + testing::SummaryRecord(0, ""));

  EXPECT_EQ(Scan({"--", "list.txt", "-9"}).exitCode, 0);  // a code that looks like an option
  EXPECT_TRUE(testing::Exists(dir_ / "-9.txt"));

  // A UTF-8 code names a UTF-8 file; its records hold the Windows-1252 byte.
  EXPECT_EQ(Scan({"list.txt", "\xC3\xA4"}).exitCode, 0);
  EXPECT_EQ(ReadFile(dir_ / "\xC3\xA4.txt"), testing::MissingRecord("", 1) + testing::SummaryRecord(0, "\xC4"));
}

TEST_F(CliTest, AMissingListIsCreatedAndSaidSo) {
  const testing::ProcessResult result = Scan({"new.txt", "EDDF"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_NE(result.err.find("did not exist"), std::string::npos);
  EXPECT_EQ(ReadFile(dir_ / "new.txt"), "");
  EXPECT_EQ(ReadFile(dir_ / "EDDF.txt"), testing::MissingRecord("", 1) + testing::SummaryRecord(0, "EDDF"));
}

TEST_F(CliTest, UnusableListsAndResultsAreErrors) {
  ASSERT_EQ(::mkfifo((dir_ / "fifo.txt").c_str(), 0666), 0);
  EXPECT_EQ(Scan({"fifo.txt", "EDDF"}).exitCode, 2);  // and it did not wait for a writer

  WriteFile(dir_ / "list.txt", "a.bgl");
  ASSERT_EQ(::mkdir((dir_ / "EDDF.txt").c_str(), 0777), 0);
  const testing::ProcessResult result = Scan({"list.txt", "EDDF"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("could not be fully written"), std::string::npos);
  EXPECT_EQ(result.out, "");
}

// Files scanned ahead are held open; a low descriptor limit must shorten how
// far the run looks ahead instead of turning existing files into missing ones.
TEST_F(CliTest, ADescriptorLimitNeverMakesAFileMissing) {
  WriteFile(dir_ / "hit.bgl", std::string("\xE0\x8C\xB7\x01", 4));
  std::string list;
  for (int k = 0; k < 300; ++k) list += "hit.bgl\n";
  list.pop_back();
  WriteFile(dir_ / "list.txt", list);
  const testing::ProcessResult result =
      RunProcess({VORLANE_SCAN_BINARY, "--threads", "8", "list.txt", "EDDF", "0"}, dir_.path(), [] {
        const rlimit descriptors{64, 64};
        ::setrlimit(RLIMIT_NOFILE, &descriptors);
      });
  EXPECT_EQ(result.exitCode, 0) << result.err;
  std::string expected;
  for (int k = 0; k < 300; ++k) expected += testing::CodeHitRecord("EDDF", "hit.bgl", 0);
  EXPECT_EQ(ReadFile(dir_ / "EDDF.txt"), expected + testing::SummaryRecord(300, "EDDF"));
}

TEST_F(CliTest, AFileSizeLimitLeavesOnlyTheWholeRecordsBeforeIt) {
  // The second record crosses the limit; the third and the summary would
  // still fit after it, but a file with a gap is not written.
  const std::string longEntry(300, 'l');
  WriteFile(dir_ / "list.txt", "a.bgl\n" + longEntry + "\nb.bgl");
  const std::string first = testing::MissingRecord("a.bgl", 1);
  const rlim_t limit = first.size() + 150;
  ASSERT_LT(limit, first.size() + testing::MissingRecord(longEntry, 2).size());
  const testing::ProcessResult result = RunProcess({VORLANE_SCAN_BINARY, "list.txt", "EDDF"}, dir_.path(), [limit] {
    const rlimit fileSize{limit, limit};
    ::setrlimit(RLIMIT_FSIZE, &fileSize);
    std::signal(SIGXFSZ, SIG_IGN);  // so that the write fails instead of ending the program
  });
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("could not be fully written"), std::string::npos) << result.err;
  EXPECT_EQ(ReadFile(dir_ / "EDDF.txt"), first);
}

TEST_F(CliTest, AResultFileThatIsALinkIsNeverWrittenThrough) {
  WriteFile(dir_ / "precious.txt", "keep me");
  ASSERT_EQ(::mkdir((dir_ / "sub").c_str(), 0777), 0);
  WriteFile(dir_ / "sub/list.txt", "a.bgl");
  const struct {
    const char* code;
    const char* target;  // from sub/
  } links[] = {{"EDDF", "../precious.txt"}, {"KPDX", "../outside.txt"}};
  for (const auto& link : links) {
    const std::string name = dir_ / ("sub/" + std::string(link.code) + ".txt");
    ASSERT_EQ(::symlink(link.target, name.c_str()), 0);
    const testing::ProcessResult result = Scan({"sub/list.txt", link.code});
    EXPECT_EQ(result.exitCode, 1) << link.target;
    EXPECT_NE(result.err.find("could not be fully written"), std::string::npos) << link.target;
    struct stat status {};
    EXPECT_TRUE(::lstat(name.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) << link.target;
  }
  EXPECT_EQ(ReadFile(dir_ / "precious.txt"), "keep me");
  EXPECT_FALSE(testing::Exists(dir_ / "outside.txt"));
}

TEST_F(CliTest, TheBundledExampleGivesItsKnownResult) {
  ASSERT_EQ(RunProcess({VORLANE_MAKE_EXAMPLES_BINARY, "example"}, dir_.path()).exitCode, 0);
  EXPECT_EQ(Scan({"example/list.txt", "EDDF", "1"}).exitCode, 0);
  EXPECT_EQ(ReadFile(dir_ / "example/EDDF.txt"), ReadFile(VORLANE_SOURCE_DIR "/examples/expected/EDDF.txt"));
}

}  // namespace
}  // namespace vorlane
