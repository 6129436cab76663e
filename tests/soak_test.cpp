// The command-line tool over real sizes: a sparse file beyond 4 GiB, a list
// of 100,000 entries, a binary file as the list, a list line of 1 MiB, a run
// killed in the middle of its writes, and files dense with hits scanned ahead
// or waiting to be written.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/reference_list.h"
#include "tests/support/reference_scan.h"
#include "tests/support/run_process.h"
#include "tests/support/temp_dir.h"

namespace vorlane {
namespace {

using testing::CodeHitRecord;
using testing::IlsHitRecord;
using testing::MissingRecord;
using testing::ReadFile;
using testing::ReferenceHitRecords;
using testing::SummaryRecord;
using testing::WriteFile;

const std::string kEddfShifted = "\xE0\x8C\xB7\x01";
const std::string kEddfPlain("\x67\xBC\x0D\x00", 4);

class SoakTest : public ::testing::Test {
 protected:
  // Runs vorlane-scan on list.txt in the test's folder; expects it to finish.
  void Scan(const std::string& code, const std::string& tolerance) {
    const testing::ProcessResult result = testing::RunProcess({VORLANE_SCAN_BINARY, "list.txt", code, tolerance}, dir_.path());
    EXPECT_EQ(result.exitCode, 0) << result.err;
  }

  testing::TempDir dir_;
};

TEST_F(SoakTest, PositionsBeyond4GiBArePrintedInFull) {
  constexpr std::uint64_t k4GiB = std::uint64_t{1} << 32;
  const int fd = ::open((dir_ / "big.bgl").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(k4GiB + 0x2000)), 0);  // sparse: zeros cost no disk
  const struct {
    std::uint64_t at;
    const std::string& value;
  } plants[] = {{k4GiB - 2, kEddfShifted}, {k4GiB + 0x800, kEddfPlain}, {k4GiB + 0x1FFC, kEddfShifted}};
  for (const auto& plant : plants) {
    ASSERT_EQ(::pwrite(fd, plant.value.data(), 4, static_cast<off_t>(plant.at)), 4);
  }
  ASSERT_EQ(::close(fd), 0);
  WriteFile(dir_ / "list.txt", "big.bgl");
  Scan("EDDF", "0");
  EXPECT_EQ(ReadFile(dir_ / "EDDF.txt"), CodeHitRecord("EDDF", "big.bgl", 0xFFFFFFFE) +
                                            IlsHitRecord("EDDF", "big.bgl", 0x100000800) +
                                            CodeHitRecord("EDDF", "big.bgl", 0x100001FFC) + SummaryRecord(3, "EDDF"));
}

TEST_F(SoakTest, ARunOver100000EntriesReportsEachInOrder) {
  WriteFile(dir_ / "hit.bgl", kEddfShifted);
  const std::string hit = ReferenceHitRecords(kEddfShifted, "EDDF", 0, "hit.bgl");
  std::string list;
  std::string expected;
  constexpr int kEntries = 100000;
  for (int i = 0; i < kEntries; ++i) {
    const std::string entry = i % 1000 == 7 ? "hit.bgl" : "gone/" + std::to_string(i) + ".bgl";
    list += entry + (i + 1 < kEntries ? "\n" : "");
    expected += i % 1000 == 7 ? hit : MissingRecord(entry, i + 1);
  }
  WriteFile(dir_ / "list.txt", list);
  Scan("EDDF", "0");
  EXPECT_EQ(ReadFile(dir_ / "EDDF.txt"), expected + SummaryRecord(kEntries / 1000, "EDDF"));
}

TEST_F(SoakTest, ABinaryFileAsTheListGivesOneMissingFileRecordPerLine) {
  std::mt19937_64 random(20261211);
  std::string content(std::size_t{4} << 20, '\0');
  for (char& c : content) {
    c = static_cast<char>(random());
    if (c == '\x1A') c = '\x1B';  // so that the whole file is content
  }
  content.replace(1 << 20, 10000, std::string(10000, '\xAB'));  // a line past the 4096-byte cap
  WriteFile(dir_ / "list.txt", content);
  Scan("EDDF", "1");
  const std::vector<std::string> entries = testing::ReferenceListEntries(content);
  std::string expected;
  for (std::size_t i = 0; i < entries.size(); ++i) expected += MissingRecord(entries[i], static_cast<std::int64_t>(i + 1));
  EXPECT_EQ(ReadFile(dir_ / "EDDF.txt"), expected + SummaryRecord(0, "EDDF"));
}

TEST_F(SoakTest, AListLineOf1MiBIsOneMissingEntry) {
  WriteFile(dir_ / "hit.bgl", kEddfShifted);
  const std::string line = "hit.bgl" + std::string(std::size_t{1} << 20, 'x');
  WriteFile(dir_ / "list.txt", line + "\r\nhit.bgl");
  Scan("EDDF", "0");
  EXPECT_EQ(ReadFile(dir_ / "EDDF.txt"), MissingRecord(line.substr(0, 4096), 1) +
                                            ReferenceHitRecords(kEddfShifted, "EDDF", 0, "hit.bgl") +
                                            SummaryRecord(1, "EDDF"));
}

// Each entry forms about 30 MB of records, far more than a run may hold while
// it writes an earlier entry; the files scanned ahead must wait instead.
TEST_F(SoakTest, FilesDenseWithHitsScannedAheadStayInBoundedMemory) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine, so peak memory means nothing here";
#endif
  const std::string zeros(256 << 10, '\0');
  WriteFile(dir_ / "z.bgl", zeros);
  WriteFile(dir_ / "list.txt", "z.bgl\nz.bgl\nz.bgl\nz.bgl\nz.bgl\nz.bgl");
  const testing::ProcessResult result =
      testing::RunProcess({VORLANE_SCAN_BINARY, "--threads", "4", "list.txt", "", "0"}, dir_.path());
  ASSERT_EQ(result.exitCode, 0) << result.err;
  rusage usage {};
  ASSERT_EQ(::getrusage(RUSAGE_CHILDREN, &usage), 0);
  EXPECT_LT(usage.ru_maxrss, 64 << 10) << "peak resident KiB";

  const std::string entry = ReferenceHitRecords(zeros, "", 0, "z.bgl");
  const std::string written = ReadFile(dir_ / ".txt");
  ASSERT_EQ(written.size(), 6 * entry.size() + SummaryRecord(6 * 2 * (zeros.size() - 3), "").size());
  for (std::size_t k = 0; k < 6; ++k) EXPECT_EQ(written.compare(k * entry.size(), entry.size(), entry), 0) << k;
}

// While the run writes a first entry dense with hits, 63 workers finish the
// entries after it, each holding its records until the run gets there; how
// many of them may wait must not grow with the thread count or the
// descriptor limit.
TEST_F(SoakTest, EntriesWaitingToBeWrittenStayInBoundedMemory) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine, so peak memory means nothing here";
#endif
  const std::string dense(1 << 20, '\0');
  const std::string small(270, '\0');  // about 30 KB of records, less than a buffer holds
  WriteFile(dir_ / "dense.bgl", dense);
  WriteFile(dir_ / "s.bgl", small);
  std::string list = "dense.bgl";
  for (int k = 0; k < 2000; ++k) list += "\ns.bgl";
  WriteFile(dir_ / "list.txt", list);
  const testing::ProcessResult result =
      testing::RunProcess({VORLANE_SCAN_BINARY, "--threads", "64", "list.txt", "", "0"}, dir_.path(), [] {
        rlimit descriptors{};
        ::getrlimit(RLIMIT_NOFILE, &descriptors);
        descriptors.rlim_cur = descriptors.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &descriptors);
      });
  ASSERT_EQ(result.exitCode, 0) << result.err;
  rusage usage {};
  ASSERT_EQ(::getrusage(RUSAGE_CHILDREN, &usage), 0);
  EXPECT_LT(usage.ru_maxrss, 64 << 10) << "peak resident KiB";

  const std::string first = ReferenceHitRecords(dense, "", 0, "dense.bgl");
  const std::string each = ReferenceHitRecords(small, "", 0, "s.bgl");
  const std::string written = ReadFile(dir_ / ".txt");
  ASSERT_EQ(written.size(), first.size() + 2000 * each.size() +
                                SummaryRecord(2 * (dense.size() - 3) + 2000 * 2 * (small.size() - 3), "").size());
  EXPECT_EQ(written.compare(0, first.size(), first), 0);
  for (std::size_t k = 0; k < 2000; ++k) {
    ASSERT_EQ(written.compare(first.size() + k * each.size(), each.size(), each), 0) << "entry " << k + 2;
  }
}

TEST_F(SoakTest, ARunKilledInMidWriteLeavesOnlyWholeCorrectRecords) {
  // The empty code hits twice at every window of zeros: a long stream of
  // writes, cut off by the kill.
  WriteFile(dir_ / "zeros.bgl", std::string(std::size_t{16} << 20, '\0'));
  WriteFile(dir_ / "list.txt", "zeros.bgl");
  const pid_t child = testing::StartProcess({VORLANE_SCAN_BINARY, "list.txt", "", "0"}, dir_.path());
  const std::string result = dir_ / ".txt";
  constexpr off_t kKillAfter = 1 << 20;
  int status = 0;
  for (struct stat written {}; ::stat(result.c_str(), &written) != 0 || written.st_size < kKillAfter;) {
    if (::waitpid(child, &status, WNOHANG) == child) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ::kill(child, SIGKILL);
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the run ended before the kill";

  const std::string content = ReadFile(result);
  ASSERT_GE(content.size(), static_cast<std::size_t>(kKillAfter));
  // Each window gives two records of more than 40 bytes.
  const std::string expected = ReferenceHitRecords(std::string(content.size() / 80 + 4, '\0'), "", 0, "zeros.bgl");
  ASSERT_GT(expected.size(), content.size());
  EXPECT_EQ(expected.compare(0, content.size(), content), 0) << "records differ from the reference";
  // A hit record ends in an empty line; the next one begins with a line end.
  EXPECT_TRUE(content.ends_with("\r\n\r\n") && !content.ends_with("\r\n\r\n\r\n")) << "the last record is cut";
}

}  // namespace
}  // namespace vorlane
