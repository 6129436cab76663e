#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "run/list_file.h"
#include "run/run_context.h"
#include "run/scan_run.h"
#include "tests/support/fault_hooks.h"
#include "tests/support/reference_scan.h"
#include "tests/support/temp_dir.h"

namespace vorlane {
namespace {

using testing::FaultPlan;
using testing::MissingRecord;
using testing::ReadFile;
using testing::ReferenceHitRecords;
using testing::ScopedFaults;
using testing::SummaryRecord;
using testing::WriteFile;

// Every run test runs with the entries scanned one after the other in the
// run's own thread, and with several scanned ahead on worker threads.
class ScanRunTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { CurrentRun() = RunContext{}; }

  // What the dialog does: count the list, then run with a progress counter.
  void Run(const std::string& list, const std::string& code, const std::string& tolerance) {
    CurrentRun().listPath = list;
    CurrentRun().fileCount = CountListEntries(list);
    progressCalls_ = 0;
    RunScan(code, tolerance, [this] { ++progressCalls_; }, GetParam());
  }

  testing::TempDir dir_;
  testing::ScopedChdir here_{dir_.path()};
  int progressCalls_ = 0;
};

const std::string kEddfShifted = "\xE0\x8C\xB7\x01";
const std::string kEddfPlain("\x67\xBC\x0D\x00", 4);

TEST_P(ScanRunTest, WritesEveryEntrysRecordsInListOrderThenTheSummary) {
  ASSERT_EQ(::mkdir("s", 0777), 0);
  const std::string a = "abc" + kEddfShifted + kEddfPlain + "\x01";
  const std::string b = kEddfPlain + std::string(100, 'x') + kEddfShifted;
  WriteFile("s/a.bgl", a);
  WriteFile("s/b.bgl", b);
  WriteFile("list.txt", "s/a.bgl\r\nmissing.bgl\r\ns/b.bgl\r\n");
  Run("list.txt", "eddf", "1");

  std::int64_t hitsA = 0, hitsB = 0;
  const std::string recordsA = ReferenceHitRecords(a, "EDDF", 1, "s/a.bgl", &hitsA);
  const std::string recordsB = ReferenceHitRecords(b, "EDDF", 1, "s/b.bgl", &hitsB);
  const std::string expected = recordsA + MissingRecord("missing.bgl", 2) + recordsB + MissingRecord("", 4) +
                               SummaryRecord(hitsA + hitsB, "EDDF");
  EXPECT_EQ(ReadFile("eddf.txt"), expected);
  EXPECT_EQ(hitsA + hitsB, 4);
  const RunContext& run = CurrentRun();
  EXPECT_EQ(run.occurrenceCount, 4);
  EXPECT_EQ(run.code, "EDDF");  // upper case after the run, for the result screen
  EXPECT_EQ(run.resultFileName, "eddf.txt");  // the file keeps the code as typed
  EXPECT_EQ(run.toleranceText, "1");
  EXPECT_TRUE(run.resultComplete);
  EXPECT_EQ(progressCalls_, 4);
}

TEST_P(ScanRunTest, ASecondRunReplacesItsOwnFileOnlyAndCountsItsOwnHits) {
  WriteFile("a.bgl", kEddfShifted);
  WriteFile("list.txt", "a.bgl");
  Run("list.txt", "EDDF", "0");
  Run("list.txt", "EDDF", "0");
  const std::string eddf = ReadFile("EDDF.txt");
  EXPECT_EQ(eddf, ReferenceHitRecords(kEddfShifted, "EDDF", 0, "a.bgl") + SummaryRecord(1, "EDDF"));
  Run("list.txt", "KPDX", "0");
  EXPECT_EQ(ReadFile("KPDX.txt"), SummaryRecord(0, "KPDX"));
  EXPECT_EQ(CurrentRun().occurrenceCount, 0);
  EXPECT_EQ(ReadFile("EDDF.txt"), eddf);
}

TEST_P(ScanRunTest, ListsWithoutFilesGiveOnlyRecordsOfTheirKind) {
  WriteFile("list.txt", "x.bgl\ny.bgl");
  Run("list.txt", "ZZZZ", "1");
  EXPECT_EQ(ReadFile("ZZZZ.txt"), MissingRecord("x.bgl", 1) + MissingRecord("y.bgl", 2) + SummaryRecord(0, "ZZZZ"));

  Run("absent.txt", "ZZZZ", "1");  // created empty: one empty entry
  EXPECT_EQ(ReadFile("ZZZZ.txt"), MissingRecord("", 1) + SummaryRecord(0, "ZZZZ"));

  CurrentRun().fileCount = 0;  // a list that could not be read
  RunScan("ZZZZ", "1", nullptr, GetParam());
  EXPECT_EQ(ReadFile("ZZZZ.txt"), SummaryRecord(0, "ZZZZ"));
}

TEST_P(ScanRunTest, ACodeWithSlashesStaysInTheCurrentFolder) {
  WriteFile("list.txt", "");
  Run("list.txt", "../X", "1");
  EXPECT_EQ(ReadFile(".._X.txt"), MissingRecord("", 1) + SummaryRecord(0, "../X"));
  EXPECT_FALSE(testing::Exists("../X.txt"));
}

TEST_P(ScanRunTest, AResultFileThatCannotBeWrittenIsReported) {
  WriteFile("list.txt", "a.bgl");
  ASSERT_EQ(::mkdir("EDDF.txt", 0777), 0);
  Run("list.txt", "EDDF", "1");
  EXPECT_FALSE(CurrentRun().resultComplete);
  EXPECT_EQ(progressCalls_, 1);  // the run still went through its list

  ASSERT_EQ(::rmdir("EDDF.txt"), 0);
  Run("list.txt", "EDDF", "1");
  EXPECT_TRUE(CurrentRun().resultComplete);  // each run judges its own writes
}

TEST_P(ScanRunTest, LinesAddedAfterCountingAreNotScanned) {
  WriteFile("list.txt", "a.bgl");
  CurrentRun().listPath = "list.txt";
  CurrentRun().fileCount = CountListEntries("list.txt");
  WriteFile("list.txt", "a.bgl\nb.bgl\nc.bgl");
  RunScan("A", "1", nullptr, GetParam());
  EXPECT_EQ(ReadFile("A.txt"), MissingRecord("a.bgl", 1) + SummaryRecord(0, "A"));
}

// The longest run of whole records from the start that fits into budget bytes.
std::string WholeRecordsWithin(const std::vector<std::string>& records, std::size_t budget) {
  std::string kept;
  for (const std::string& record : records) {
    if (kept.size() + record.size() > budget) break;
    kept += record;
  }
  return kept;
}

TEST_P(ScanRunTest, AFailedWriteKeepsTheWholeRecordsBeforeItAndTheRunGoesOn) {
  WriteFile("hit.bgl", kEddfShifted);
  WriteFile("list.txt", "hit.bgl\nmissing.bgl\nhit.bgl\nhit.bgl");
  const std::string hit = ReferenceHitRecords(kEddfShifted, "EDDF", 0, "hit.bgl");
  const std::vector<std::string> records = {hit, MissingRecord("missing.bgl", 2), hit, hit, SummaryRecord(3, "EDDF")};
  const std::size_t total = std::accumulate(records.begin(), records.end(), std::string()).size();
  const std::size_t firstTwo = records[0].size() + records[1].size();
  for (const std::size_t budget : {std::size_t{0}, std::size_t{1}, records[0].size(), firstTwo + 1, total - 1}) {
    FaultPlan plan;
    plan.path = "EDDF.txt";
    plan.writeBudget = budget;
    const ScopedFaults faults(plan);
    Run("list.txt", "EDDF", "0");
    EXPECT_EQ(ReadFile("EDDF.txt"), WholeRecordsWithin(records, budget)) << "budget " << budget;
    EXPECT_FALSE(CurrentRun().resultComplete) << budget;
    EXPECT_EQ(progressCalls_, 4);
    EXPECT_EQ(CurrentRun().occurrenceCount, 3);
  }
  FaultPlan enough;
  enough.path = "EDDF.txt";
  enough.writeBudget = total;
  const ScopedFaults faults(enough);
  Run("list.txt", "EDDF", "0");
  EXPECT_EQ(ReadFile("EDDF.txt"), WholeRecordsWithin(records, total));
  EXPECT_TRUE(CurrentRun().resultComplete);
}

TEST_P(ScanRunTest, AnOpenThatFailsIsReportedAndNothingAfterItIsWritten) {
  WriteFile("hit.bgl", kEddfShifted);
  WriteFile("list.txt", "hit.bgl\nhit.bgl\nhit.bgl");
  const std::string hit = ReferenceHitRecords(kEddfShifted, "EDDF", 0, "hit.bgl");
  const struct {
    const char* path;
    int failingOpen;
    std::string written;
    bool complete;
  } cases[] = {
      // A scenery file that cannot be opened is a missing file; the run is whole.
      {"hit.bgl", 2, hit + MissingRecord("hit.bgl", 2) + hit + SummaryRecord(2, "EDDF"), true},
      // Opens of the result file: 1 creates it, 2 to 4 take the entries, 5 the
      // summary. When the first fails, no record is appended to the old file.
      {"EDDF.txt", 1, "an earlier run's result", false},
      {"EDDF.txt", 3, hit, false},
      {"EDDF.txt", 5, hit + hit + hit, false},
      // Opens of the list: 1 counts it, 2 to 4 fetch the entries.
      {"list.txt", 3, hit, false},
  };
  for (const auto& c : cases) {
    WriteFile("EDDF.txt", "an earlier run's result");
    FaultPlan plan;
    plan.path = c.path;
    plan.failingOpen = c.failingOpen;
    plan.openError = EMFILE;
    const ScopedFaults faults(plan);
    Run("list.txt", "EDDF", "0");
    EXPECT_EQ(ReadFile("EDDF.txt"), c.written) << c.path << " open " << c.failingOpen;
    EXPECT_EQ(CurrentRun().resultComplete, c.complete) << c.path << " open " << c.failingOpen;
    EXPECT_EQ(progressCalls_, 3);
  }
}

TEST_P(ScanRunTest, AListThatCannotBeReadToTheEndLeavesTheResultIncomplete) {
  WriteFile("hit.bgl", kEddfShifted);
  WriteFile("list.txt", "hit.bgl\nhit.bgl\nhit.bgl");
  CurrentRun().listPath = "list.txt";
  CurrentRun().fileCount = CountListEntries("list.txt");
  FaultPlan plan;
  plan.path = "list.txt";
  plan.readFailsAt = 10;  // inside the second entry
  const ScopedFaults faults(plan);
  RunScan("EDDF", "0", nullptr, GetParam());
  EXPECT_EQ(ReadFile("EDDF.txt"), ReferenceHitRecords(kEddfShifted, "EDDF", 0, "hit.bgl"));
  EXPECT_FALSE(CurrentRun().resultComplete);
}

TEST_P(ScanRunTest, ProgressComesJustBeforeEachEntrysRecords) {
  WriteFile("hit.bgl", kEddfShifted + kEddfPlain);
  WriteFile("list.txt", "hit.bgl\nmissing.bgl\nhit.bgl\nhit.bgl");
  const std::string hit = ReferenceHitRecords(kEddfShifted + kEddfPlain, "EDDF", 0, "hit.bgl");
  const std::size_t entrySizes[] = {hit.size(), MissingRecord("missing.bgl", 2).size(), hit.size(), hit.size()};
  std::vector<std::size_t> writtenAtProgress;
  CurrentRun().listPath = "list.txt";
  CurrentRun().fileCount = CountListEntries("list.txt");
  RunScan("EDDF", "0", [&] { writtenAtProgress.push_back(ReadFile("EDDF.txt").size()); }, GetParam());
  std::vector<std::size_t> before(1, 0);  // the records of the entries before each
  for (const std::size_t size : entrySizes) before.push_back(before.back() + size);
  before.pop_back();
  EXPECT_EQ(writtenAtProgress, before);
}

TEST_P(ScanRunTest, AProgressThatThrowsEndsTheRunWithWorkersStillScanning) {
  std::string dense;
  for (int k = 0; k < 50000; ++k) dense += kEddfShifted;  // far more records than a buffer holds
  WriteFile("dense.bgl", dense);
  WriteFile("list.txt", "dense.bgl\ndense.bgl\ndense.bgl\ndense.bgl\ndense.bgl");
  CurrentRun().listPath = "list.txt";
  CurrentRun().fileCount = CountListEntries("list.txt");
  int calls = 0;
  const auto throwOnSecond = [&] {
    if (++calls == 2) throw std::runtime_error("stop");
  };
  EXPECT_THROW(RunScan("EDDF", "0", throwOnSecond, GetParam()), std::runtime_error);
  EXPECT_EQ(ReadFile("EDDF.txt"), ReferenceHitRecords(dense, "EDDF", 0, "dense.bgl"));
}

INSTANTIATE_TEST_SUITE_P(Threads, ScanRunTest, ::testing::Values(1, 3),
                         [](const ::testing::TestParamInfo<int>& info) { return std::to_string(info.param); });

// A list of every kind of entry, among them files so dense with hits that
// their records fill the buffer between scanning and writing many times over,
// one after the other so that one is scanned ahead while another is written.
TEST(ScanRunThreads, EveryThreadCountWritesTheFileOfTheSequentialRun) {
  testing::TempDir dir;
  testing::ScopedChdir here(dir.path());
  ASSERT_EQ(::mkdir("folder.bgl", 0777), 0);
  std::mt19937_64 random(4);
  std::string list, expected;
  std::int64_t hits = 0;
  for (int k = 0; k < 48; ++k) {
    const std::string name = std::to_string(k) + ".bgl";
    std::string bytes;
    switch (k % 6) {
      case 0:
      case 1:
        bytes.resize(random() % (600 << 10));
        for (char& c : bytes) c = static_cast<char>(random());
        for (std::size_t at = random() % 5000; at + 4 <= bytes.size(); at += 1 + random() % 20000) {
          bytes.replace(at, 4, random() % 2 ? kEddfShifted : kEddfPlain);
        }
        break;
      case 2:
      case 3:
        for (int n = 0; n < 4000 * (k % 6); ++n) bytes += random() % 3 ? kEddfShifted : kEddfPlain;
        break;
      case 4:
        bytes.assign(random() % 4, 'x');  // no window
        break;
      default: {
        const std::string notAFile = k % 12 == 5 ? "folder.bgl" : "missing.bgl";
        list += notAFile;
        list += '\n';
        expected += MissingRecord(notAFile, k + 1);
        continue;
      }
    }
    WriteFile(name, bytes);
    list += name + "\n";
    std::int64_t fileHits = 0;
    expected += ReferenceHitRecords(bytes, "EDDF", 9, name, &fileHits);
    hits += fileHits;
  }
  WriteFile("list.txt", list);
  expected += MissingRecord("", 49) + SummaryRecord(hits, "EDDF");

  for (const int threads : {1, 2, 3, 8}) {
    CurrentRun() = RunContext{};
    CurrentRun().listPath = "list.txt";
    CurrentRun().fileCount = CountListEntries("list.txt");
    RunScan("EDDF", "9", nullptr, threads);
    EXPECT_EQ(ReadFile("EDDF.txt"), expected) << threads << " threads";
    EXPECT_EQ(CurrentRun().occurrenceCount, hits) << threads << " threads";
    EXPECT_TRUE(CurrentRun().resultComplete) << threads << " threads";
  }
}

}  // namespace
}  // namespace vorlane
