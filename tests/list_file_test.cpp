#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "run/list_file.h"
#include "tests/support/fault_hooks.h"
#include "tests/support/temp_dir.h"

namespace vorlane {
namespace {

using testing::TempDir;
using testing::WriteFile;

// Reads every entry three ways: counted and fetched by index, and walked
// with a position; all three must agree.
std::vector<std::string> Entries(const std::string& list) {
  const std::int64_t count = CountListEntries(list);
  std::vector<std::string> byIndex;
  std::vector<std::string> byPosition;
  ListPosition position;
  for (std::int64_t i = 0; i < count; ++i) {
    byIndex.push_back(FetchListEntry(list, i));
    byPosition.push_back(FetchListEntryAt(list, position));
  }
  EXPECT_EQ(byIndex, byPosition);
  EXPECT_EQ(FetchListEntry(list, count), "");  // past the end
  EXPECT_EQ(FetchListEntryAt(list, position), "");
  EXPECT_EQ(CountListEntries(list), count);  // counting again changes nothing
  return byIndex;
}

struct ListCase {
  const char* name;
  std::string content;
  std::vector<std::string> entries;
};

TEST(ListFile, SplitsLinesAsTextMode) {
  const std::string line127(127, 'p');
  const std::string line200 = std::string(120, 'a') + std::string(80, 'b');
  const std::string longLine(kMaxEntryLength + 500, 'q');
  const std::vector<ListCase> cases = {
      {"no final break", "a.bgl\nb.bgl", {"a.bgl", "b.bgl"}},
      {"final break", "a.bgl\nb.bgl\n", {"a.bgl", "b.bgl", ""}},
      {"empty file", "", {""}},
      {"blank line inside", "a\n\nb", {"a", "", "b"}},
      {"CR LF", "a.bgl\r\nb.bgl\r\n", {"a.bgl", "b.bgl", ""}},
      {"lone CR stays", "a\rb\nc\r", {"a\rb", "c\r"}},
      {"CR CR LF keeps one CR", "a\r\r\nb", {"a\r", "b"}},
      {"Ctrl-Z ends the content", std::string("a.bgl\x1A\nmore\nlines\n"), {"a.bgl"}},
      {"Ctrl-Z at a line start", std::string("a\n\x1A" "b"), {"a", ""}},
      {"spaces kept", "  a b  \n", {"  a b  ", ""}},
      {"NUL kept", std::string("a\0b\n", 4), {std::string("a\0b", 3), ""}},
      {"127 characters are one entry", line127 + "\n", {line127, ""}},
      {"200 characters are one entry", line200, {line200}},
      {"over the cap keeps the first bytes", longLine + "\nnext", {longLine.substr(0, kMaxEntryLength), "next"}},
      {"cap with CR LF", longLine + "\r\nnext", {longLine.substr(0, kMaxEntryLength), "next"}},
  };
  TempDir dir;
  for (const ListCase& c : cases) {
    const std::string list = dir / "list.txt";
    WriteFile(list, c.content);
    EXPECT_EQ(Entries(list), c.entries) << c.name;
  }
}

TEST(ListFile, LinesAcrossTheReadBufferArePiecedTogether) {
  TempDir dir;
  std::string content;
  std::vector<std::string> expected;
  for (int i = 0; i < 2000; ++i) {
    expected.push_back("scenery/file_" + std::to_string(i) + std::string(static_cast<std::size_t>(i % 37), 'x') + ".bgl");
    content += expected.back() + (i % 3 ? "\n" : "\r\n");
  }
  expected.push_back("");
  WriteFile(dir / "list.txt", content);
  EXPECT_EQ(Entries(dir / "list.txt"), expected);
}

TEST(ListFile, MissingListIsCreatedEmptyAndCountsOne) {
  TempDir dir;
  const std::string list = dir / "new.txt";
  EXPECT_EQ(CountListEntries(list), 1);
  EXPECT_TRUE(testing::Exists(list));
  EXPECT_EQ(testing::ReadFile(list), "");
  EXPECT_EQ(FetchListEntry(list, 0), "");
}

TEST(ListFile, WhatCannotBeReadAsAListHasNoEntries) {
  TempDir dir;
  EXPECT_EQ(CountListEntries(dir.path()), 0);                    // a folder
  EXPECT_EQ(CountListEntries(dir / "no/such/folder/list.txt"), 0);  // cannot be created
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0666), 0);
  EXPECT_EQ(CountListEntries(dir / "fifo"), 0);  // and the open does not wait for a writer
  EXPECT_EQ(FetchListEntry(dir / "fifo", 0), "");
}

TEST(ListFile, AShortenedListYieldsEmptyEntries) {
  TempDir dir;
  const std::string list = dir / "list.txt";
  WriteFile(list, "a\nb\nc");
  ListPosition position;
  EXPECT_EQ(FetchListEntryAt(list, position), "a");
  WriteFile(list, "a");
  EXPECT_EQ(FetchListEntryAt(list, position), "");
  EXPECT_EQ(FetchListEntry(list, 2), "");
}

TEST(ListFile, AReadErrorIsNotTheEndOfTheList) {
  TempDir dir;
  const std::string list = dir / "list.txt";
  WriteFile(list, "a.bgl\nb.bgl\nc.bgl");
  testing::FaultPlan plan;
  plan.path = list;
  plan.readFailsAt = 8;  // inside "b.bgl"
  const testing::ScopedFaults faults(plan);
  EXPECT_EQ(CountListEntries(list), 0);
  ListPosition position;
  EXPECT_EQ(FetchListEntryAt(list, position), "a.bgl");
  EXPECT_FALSE(position.failed);
  EXPECT_EQ(FetchListEntryAt(list, position), "");  // not the "b." read so far
  EXPECT_TRUE(position.failed);
  EXPECT_EQ(FetchListEntry(list, 1), "");
}

}  // namespace
}  // namespace vorlane
