#include <gtest/gtest.h>

#include "scan/code_page.h"
#include "scan/match_targets.h"
#include "scan/pack_ident.h"

namespace vorlane {
namespace {

struct PackCase {
  const char* code;
  std::uint32_t ident;
};

TEST(PackIdent, FoldsBase38DigitsOfTheUpperCaseCode) {
  const PackCase cases[] = {
      {"EDDF", 900199},   {"eddf", 900199},  {"EdDf", 900199}, {"A", 12},
      {"", 0},            {"    ", 0},       {"ZZZZ", 2085135}, {"ABC", (12 * 38 + 13) * 38 + 14},
      {"ABC ", ((12 * 38 + 13) * 38 + 14) * 38}, {"*", 1},   {"09", 2 * 38 + 11},
      // Outside the alphabet a character counts as a space but still takes a digit.
      {"K-1", (22 * 38 + 0) * 38 + 3}, {"\xE4", 0},
  };
  for (const PackCase& c : cases) EXPECT_EQ(PackIdent(c.code), c.ident) << '"' << c.code << '"';
}

TEST(PackIdent, TargetsOfTheWorkedExamples) {
  EXPECT_EQ(ShiftedTarget(PackIdent("EDDF")), 28806368u);  // stored as E0 8C B7 01
  EXPECT_EQ(ShiftedTarget(PackIdent("A")), 384u);
  EXPECT_EQ(ShiftedTarget(PackIdent("ZZZZ")), 66724320u);
  EXPECT_EQ(PlainTarget(PackIdent("EDDF")), 900199u);
}

TEST(CodePage, UpperCasesAsciiAndWindows1252Letters) {
  EXPECT_EQ(UpperCase1252("abz09-"), "ABZ09-");
  EXPECT_EQ(UpperCase1252("\xE0\xE4\xFE\xF7\xDF"), "\xC0\xC4\xDE\xF7\xDF");  // division sign and sharp s stay
  EXPECT_EQ(UpperCase1252("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");
  EXPECT_EQ(UpperCase1252("\xB5\x80"), "\xB5\x80");
}

TEST(CodePage, ConvertsBetweenUtf8AndWindows1252) {
  EXPECT_EQ(Cp1252ToUtf8("a\xE4\x80\x9F\x81"), "a\xC3\xA4\xE2\x82\xAC\xC5\xB8\xC2\x81");
  EXPECT_EQ(Utf8ToCp1252("a\xC3\xA4\xE2\x82\xAC\xC5\xB8\xC2\x81"), "a\xE4\x80\x9F\x81");
  for (int byte = 0; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << byte;
  }
  EXPECT_FALSE(Utf8ToCp1252("\xE2\x82"));          // cut short
  EXPECT_FALSE(Utf8ToCp1252("\xC0\x80"));          // overlong
  EXPECT_FALSE(Utf8ToCp1252("\xE6\x97\xA5"));      // not in the code page
  EXPECT_FALSE(Utf8ToCp1252("\xED\xA0\x80"));      // surrogate
  EXPECT_EQ(Utf8ToCp1252Replacing("a\xE6\x97\xA5\xC3\xA4\xFF", '?'), "a?\xE4?");
}

TEST(Tolerance, ReadsLikeAtoi) {
  const std::pair<const char*, std::int64_t> cases[] = {
      {"1", 1}, {"9", 9}, {"0", 0}, {"", 0}, {"x", 0}, {" 7", 7}, {"+3", 3},
      {"-2", -2}, {"12a", 12}, {"99999999999", kMaxTolerance}, {"-", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseTolerance(text), value) << '"' << text << '"';
}

TEST(Tolerance, ComparesTheWrappedSignedDifference) {
  EXPECT_TRUE(WithinTolerance(100, 100, 0));
  EXPECT_FALSE(WithinTolerance(101, 100, 0));
  EXPECT_TRUE(WithinTolerance(98, 100, 2));
  EXPECT_TRUE(WithinTolerance(102, 100, 2));
  EXPECT_FALSE(WithinTolerance(97, 100, 2));
  EXPECT_FALSE(WithinTolerance(103, 100, 2));
  EXPECT_TRUE(WithinTolerance(0xFFFFFFFF, 0, 1));  // wraps around 2^32
  EXPECT_TRUE(WithinTolerance(3, 0xFFFFFFFE, 5));
  EXPECT_FALSE(WithinTolerance(0x80000000, 0, 9));  // the most negative difference
}

}  // namespace
}  // namespace vorlane
