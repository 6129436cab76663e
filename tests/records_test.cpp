#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "scan/records.h"
#include "scan/result_file.h"
#include "tests/support/temp_dir.h"

namespace vorlane {
namespace {

using testing::ReadFile;
using testing::ScopedChdir;
using testing::TempDir;

std::string Written(void (*write)(ResultFile&)) {
  TempDir dir;
  ScopedChdir here(dir.path());
  EXPECT_TRUE(CreateResultFile("X"));
  ResultFile file = AppendToResultFile("X");
  write(file);
  EXPECT_TRUE(file.Close());
  return ReadFile("X.txt");
}

TEST(Records, TextsAreByteExact) {
  EXPECT_EQ(Written([](ResultFile& f) { WriteMissingFileRecord(f, "C:\\a b.bgl", 3); }),
            "\r\nFile C:\\a b.bgl in line 3 of list file not found!\r\n");
  EXPECT_EQ(Written([](ResultFile& f) { WriteMissingFileRecord(f, "", 1); }),
            "\r\nFile  in line 1 of list file not found!\r\n");
  EXPECT_EQ(Written([](ResultFile& f) { WriteCodeHitRecord(f, "EDDF", "s/a.bgl", 0); }),
            "\r\nEDDF found in file s/a.bgl at position 0x0\r\n\r\n");
  EXPECT_EQ(Written([](ResultFile& f) { WriteIlsHitRecord(f, "EDDF", "s/a.bgl", 6699); }),
            "\r\nILS ID EDDF in Runway-record found in file s/a.bgl at position 0x1A2B\r\n\r\n");
  EXPECT_EQ(Written([](ResultFile& f) { WriteCodeHitRecord(f, "A", "b", 0x123456789ABCDEFull); }),
            "\r\nA found in file b at position 0x123456789ABCDEF\r\n\r\n");
  EXPECT_EQ(Written([](ResultFile& f) { WriteSummaryRecord(f, 0, "EDDF"); }),
            "\r\n\r\n0 occurences of EDDF found ...\r\n");
  EXPECT_EQ(Written([](ResultFile& f) { WriteSummaryRecord(f, 5000000000, ""); }),
            "\r\n\r\n5000000000 occurences of  found ...\r\n");
}

TEST(ResultFile, NameIsTheCodeAsTypedKeptInTheCurrentFolder) {
  EXPECT_EQ(ResultFileName("EDDF"), "EDDF.txt");
  EXPECT_EQ(ResultFileName("eddf"), "eddf.txt");
  EXPECT_EQ(ResultFileName(""), ".txt");
  EXPECT_EQ(ResultFileName("../X"), ".._X.txt");
  EXPECT_EQ(ResultFileName("a\\b/"), "a_b_.txt");
  EXPECT_EQ(ResultFileName("\xE4"), "\xC3\xA4.txt");
  EXPECT_EQ(ResultFileName(std::string("\0\x01", 2)), "_\x01.txt");  // found by fuzzing
}

TEST(ResultFile, CreateTruncatesAndAppendAddsAtTheEnd) {
  TempDir dir;
  ScopedChdir here(dir.path());
  testing::WriteFile("K.txt", "old content");
  ASSERT_TRUE(CreateResultFile("K"));
  EXPECT_EQ(ReadFile("K.txt"), "");
  {
    ResultFile first = AppendToResultFile("K");
    ResultFile second = AppendToResultFile("K");
    first.Write("a");
    second.Write("b");  // lands after "a" although opened before it was written
    first.Write("c");
  }
  EXPECT_EQ(ReadFile("K.txt"), "abc");
}

TEST(ResultFile, FailuresAreReportedNotHidden) {
  TempDir dir;
  ScopedChdir here(dir.path());
  ASSERT_EQ(::mkdir("D.txt", 0777), 0);  // a name that cannot be a file
  EXPECT_FALSE(CreateResultFile("D"));
  ResultFile file = AppendToResultFile("D");
  EXPECT_FALSE(file.ok());
  file.Write("x");
  EXPECT_FALSE(file.Close());

  ASSERT_EQ(::symlink("elsewhere", "L.txt"), 0);  // never written through a link
  EXPECT_FALSE(CreateResultFile("L"));
  EXPECT_FALSE(AppendToResultFile("L").ok());
  EXPECT_FALSE(testing::Exists("elsewhere"));
}

}  // namespace
}  // namespace vorlane
