#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "scan/result_file.h"
#include "scan/scan_file.h"
#include "tests/support/fault_hooks.h"
#include "tests/support/record_text.h"
#include "tests/support/reference_scan.h"
#include "tests/support/temp_dir.h"

namespace vorlane {
namespace {

using testing::FaultPlan;
using testing::MissingRecord;
using testing::RecordText;
using testing::ReferenceHitRecords;
using testing::ScopedFaults;
using testing::ScopedChdir;
using testing::TempDir;
using testing::WriteFile;

class ScanFileTest : public ::testing::Test {
 protected:
  // Scans the entry and returns its records.
  std::string Scan(const std::string& entry, const std::string& code, const std::string& tolerance,
                   std::int64_t index = 0) {
    RecordText records;
    hits_ = FileScanner(MakeScanQuery(code, tolerance)).Scan(SceneryFile(entry), index, records);
    return records.Text();
  }

  TempDir dir_;
  ScopedChdir here_{dir_.path()};
  std::int64_t hits_ = 0;
};

TEST_F(ScanFileTest, ReportsEveryHitOfTheWorkedExamples) {
  std::string bytes(40, '\x55');
  bytes.replace(16, 4, "\xE0\x8C\xB7\x01");  // EDDF shifted
  bytes.replace(30, 4, "\x67\xBC\x0D\x00", 4);  // EDDF plain
  WriteFile("a.bgl", bytes);
  EXPECT_EQ(Scan("a.bgl", "EDDF", "0"),
            "\r\nEDDF found in file a.bgl at position 0x10\r\n\r\n"
            "\r\nILS ID EDDF in Runway-record found in file a.bgl at position 0x1E\r\n\r\n");
  EXPECT_EQ(hits_, 2);
}

TEST_F(ScanFileTest, ShortFilesHaveNoWindowAndNoRecord) {
  for (std::size_t size : {0, 1, 3}) {
    WriteFile("short.bgl", std::string(size, '\0'));
    EXPECT_EQ(Scan("short.bgl", "", "0"), "") << size;
    EXPECT_EQ(hits_, 0);
  }
  WriteFile("four.bgl", std::string(4, '\0'));
  EXPECT_EQ(Scan("four.bgl", "", "0"),
            "\r\n found in file four.bgl at position 0x0\r\n\r\n"
            "\r\nILS ID  in Runway-record found in file four.bgl at position 0x0\r\n\r\n");
}

TEST_F(ScanFileTest, EmptyCodeOnZeroBytesHitsTwiceAtEveryOffset) {
  WriteFile("zeros.bgl", std::string(5, '\0'));
  EXPECT_EQ(Scan("zeros.bgl", "", "0"), testing::ReferenceHitRecords(std::string(5, '\0'), "", 0, "zeros.bgl"));
  EXPECT_EQ(hits_, 4);
}

TEST_F(ScanFileTest, ToleranceTextIsReadAsANumber) {
  std::string bytes;
  for (std::uint32_t v : {381u, 382u, 383u, 384u, 385u, 386u, 387u}) {
    bytes.append(reinterpret_cast<const char*>(&v), 4);  // little-endian host
  }
  WriteFile("t.bgl", bytes);
  struct Case { const char* tolerance; int asNumber; };
  for (const Case c : {Case{"0", 0}, Case{"2", 2}, Case{"x", 0}, Case{"9", 9}, Case{"", 0}}) {
    EXPECT_EQ(Scan("t.bgl", "a", c.tolerance), testing::ReferenceHitRecords(bytes, "A", c.asNumber, "t.bgl"))
        << c.tolerance;
  }
  EXPECT_EQ(Scan("t.bgl", "A", "-1"), "");
}

TEST_F(ScanFileTest, OnlyRegularFilesAreScanned) {
  ASSERT_EQ(::mkdir("folder.bgl", 0777), 0);
  ASSERT_EQ(::mkfifo("pipe.bgl", 0666), 0);  // opening it must not wait for a writer
  WriteFile("real.bgl", std::string(8, '\0'));
  const std::string withNul("real.bgl\0.x", 11);
  const struct {
    std::string entry;
    std::int64_t index;
  } missing[] = {{"", 0}, {"absent.bgl", 4}, {"folder.bgl", 1}, {"pipe.bgl", 2}, {withNul, 7}, {"/dev/zero", 3}};
  for (const auto& m : missing) {
    EXPECT_EQ(Scan(m.entry, "", "0", m.index), MissingRecord(m.entry, static_cast<int>(m.index + 1)));
    EXPECT_EQ(hits_, 0);
  }
}

TEST_F(ScanFileTest, LongPathsToExistingFilesAreScanned) {
  std::string folder = ".";
  while (folder.size() < 300) {
    folder += "/" + std::string(60, 'd');
    ASSERT_EQ(::mkdir(folder.c_str(), 0777), 0);
  }
  const std::string path = folder + "/file.bgl";
  WriteFile(path, std::string("\x80\x01\x00\x00", 4));
  ASSERT_GT(path.size(), 300u);
  EXPECT_EQ(Scan(path, "A", "0"), "\r\nA found in file " + path + " at position 0x0\r\n\r\n");
}

TEST_F(ScanFileTest, HitsAreCountedWhenTheResultFileCannotBeWritten) {
  WriteFile("z.bgl", std::string(6, '\0'));
  ASSERT_EQ(::mkdir("Q.txt", 0777), 0);
  ResultFile unwritable = AppendToResultFile("Q");
  EXPECT_EQ(FileScanner(MakeScanQuery("Q", "9")).Scan(SceneryFile("z.bgl"), 0, unwritable), 0);  // Q is far from zero
  EXPECT_EQ(FileScanner(MakeScanQuery("", "9")).Scan(SceneryFile("z.bgl"), 0, unwritable), 6);
  EXPECT_FALSE(unwritable.Close());
}

TEST_F(ScanFileTest, RecordsNameTheUpperCaseCode) {
  WriteFile("a.bgl", std::string("\x80\x01\x00\x00", 4));
  EXPECT_EQ(Scan("a.bgl", "a", "0"), "\r\nA found in file a.bgl at position 0x0\r\n\r\n");
}

constexpr std::uint64_t kReadBlock = std::uint64_t{256} << 10;

// Bytes in which the shifted EDDF lies at every 13th offset, so that cuts at
// neighbouring offsets fall at different places of a hit.
std::string HitsEvery13Bytes(std::size_t size) {
  std::string bytes;
  while (bytes.size() < size) bytes += std::string("\xE0\x8C\xB7\x01", 4) + std::string(9, '\x55');
  bytes.resize(size);
  return bytes;
}

TEST_F(ScanFileTest, AReadErrorKeepsTheRecordsBeforeItAndSkipsTheRest) {
  std::string bytes(2 * kReadBlock + 17, '\x55');
  const std::vector<std::uint64_t> hits = {0, 91, kReadBlock - 6, kReadBlock - 2, kReadBlock + 2, 2 * kReadBlock + 13};
  for (const std::uint64_t at : hits) bytes.replace(at, 4, "\xE0\x8C\xB7\x01");
  WriteFile("a.bgl", bytes);
  std::vector<std::uint64_t> failures = {1, kReadBlock, bytes.size() + 1};
  for (const std::uint64_t hit : hits) {
    for (std::uint64_t at = hit + 2; at <= hit + 5; ++at) failures.push_back(at);  // cutting the hit or not
  }
  for (const std::uint64_t at : failures) {
    FaultPlan plan;
    plan.path = "a.bgl";
    plan.readFailsAt = at;
    const ScopedFaults faults(plan);
    EXPECT_EQ(Scan("a.bgl", "EDDF", "0"), ReferenceHitRecords(bytes.substr(0, at), "EDDF", 0, "a.bgl"))
        << "read fails at " << at;
  }
  FaultPlan unreadable;
  unreadable.path = "a.bgl";
  unreadable.readFailsAt = 0;
  const ScopedFaults faults(unreadable);
  EXPECT_EQ(Scan("a.bgl", "EDDF", "0", 4), MissingRecord("a.bgl", 5));
}

TEST_F(ScanFileTest, AFileChangedWhileScannedGivesTheRecordsOfTheBytesRead) {
  const std::string original = HitsEvery13Bytes(kReadBlock + 5000);
  const std::string grown = original + std::string(20, '\x55') + HitsEvery13Bytes(3000);
  const struct {
    const char* name;
    std::uint64_t at;
    std::string becomes;
    std::string read;
  } cases[] = {
      {"shrinks behind the reader", kReadBlock + 100, original.substr(0, 1000), original.substr(0, kReadBlock + 100)},
      {"shrinks ahead of the reader", 1000, original.substr(0, kReadBlock + 201), original.substr(0, kReadBlock + 201)},
      {"emptied", 10, "", original.substr(0, 10)},
      {"grows", kReadBlock + 100, grown, grown},
  };
  for (const auto& c : cases) {
    WriteFile("a.bgl", original);
    FaultPlan plan;
    plan.path = "a.bgl";
    plan.changeAt = c.at;
    plan.change = [&c] { WriteFile("a.bgl", c.becomes); };
    const ScopedFaults faults(plan);
    EXPECT_EQ(Scan("a.bgl", "EDDF", "0"), ReferenceHitRecords(c.read, "EDDF", 0, "a.bgl")) << c.name;
  }
}

}  // namespace
}  // namespace vorlane
