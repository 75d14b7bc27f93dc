#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/record_reader.h"
#include "library/record_writer.h"

namespace fotivo {
namespace {

struct Entry {
  bool islib = false;
  std::string name, comment, dir;
  bool operator==(const Entry&) const = default;
};

void PrintTo(const Entry& e, std::ostream* os) {
  *os << "{" << e.islib << ", \"" << e.name << "\", \"" << e.comment << "\", \"" << e.dir << "\"}";
}

struct Read {
  std::vector<Entry> entries;
  std::vector<std::string> damage;
};

// Reads library-index-shaped records the way the loaders do: complete records only.
Read readentries(std::string_view data) {
  Read read;
  RecordReader in(data);
  while (!in.atend()) {
    in.beginrecord();
    Entry e;
    e.islib = in.readboolean();
    e.name = in.readtext();
    e.comment = in.readtext();
    e.dir = in.readtext();
    if (!in.incomplete()) read.entries.push_back(e);
  }
  read.damage = in.damage();
  return read;
}

std::string write(const std::vector<Entry>& entries) {
  RecordWriter out;
  for (const Entry& e : entries) out.boolean(e.islib).text(e.name).text(e.comment).text(e.dir).endrecord();
  return out.data();
}

TEST(RecordWriter, WritesTheIndexLineExactly) {
  EXPECT_EQ(write({{true, "Main", " Main library", "/photos"}, {false, "TEMP", " Work in process", "/photos/TEMP"}}),
            "#TRUE#,\"Main\",\" Main library\",\"/photos\"\r\n"
            "#FALSE#,\"TEMP\",\" Work in process\",\"/photos/TEMP\"\r\n");
  RecordWriter numbers;
  numbers.integer(1).integer(-104).integer(0).endrecord();
  EXPECT_EQ(numbers.data(), "1,-104,0\r\n");
}

TEST(RecordFormat, TextsComeBackUnchanged) {
  const std::vector<Entry> entries = {
      {true, "Main", " Main library", "/photos"},
      {false, "A,B", "commas, inside, a comment", "/a dir/with spaces"},
      {false, "", "", ""},
      {false, "   ", "  two leading and trailing  ", ",,,"},
      {false, "FOTOß", "Über den Wolken ✓", "/home/zoë/FOTOß"},
      {true, "multi", "first line\r\nsecond line", "tab\tinside"},
      {false, "#TRUE#", "#FALSE#", "-12"},
  };
  Read read = readentries(write(entries));
  EXPECT_EQ(read.entries, entries);
  EXPECT_TRUE(read.damage.empty());
}

TEST(RecordFormat, DoubleQuoteInATextBecomesAnApostropheAndKeepsTheRecordWhole) {
  Read read = readentries(write({{false, "say \"cheese\"", "c", "/d"}, {false, "NEXT", "", "/n"}}));
  ASSERT_EQ(read.entries.size(), 2u);
  EXPECT_EQ(read.entries[0].name, "say 'cheese'");
  EXPECT_EQ(read.entries[1].name, "NEXT");
}

struct TolerantCase {
  const char* label;
  std::string data;
  std::vector<Entry> expected;
};

class RecordReaderTolerates : public ::testing::TestWithParam<TolerantCase> {};

TEST_P(RecordReaderTolerates, HandEditedFiles) {
  Read read = readentries(GetParam().data);
  EXPECT_EQ(read.entries, GetParam().expected);
  EXPECT_TRUE(read.damage.empty()) << read.damage.front();
}

const std::vector<Entry> twoentries = {{true, "Main", " Main library", "/p"}, {false, "TEMP", " W", "/p/TEMP"}};

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordReaderTolerates,
    ::testing::Values(
        TolerantCase{"LfLineEnds", "#TRUE#,\"Main\",\" Main library\",\"/p\"\n#FALSE#,\"TEMP\",\" W\",\"/p/TEMP\"\n", twoentries},
        TolerantCase{"CrLineEnds", "#TRUE#,\"Main\",\" Main library\",\"/p\"\r#FALSE#,\"TEMP\",\" W\",\"/p/TEMP\"\r", twoentries},
        TolerantCase{"NoFinalLineBreak", "#TRUE#,\"Main\",\" Main library\",\"/p\"\r\n#FALSE#,\"TEMP\",\" W\",\"/p/TEMP\"", twoentries},
        TolerantCase{"TrailingBlankLines", "#TRUE#,\"Main\",\" Main library\",\"/p\"\r\n#FALSE#,\"TEMP\",\" W\",\"/p/TEMP\"\r\n\r\n  \r\n\t\n", twoentries},
        TolerantCase{"BlankLinesBetweenRecords", "\r\n#TRUE#,\"Main\",\" Main library\",\"/p\"\r\n\r\n\r\n#FALSE#,\"TEMP\",\" W\",\"/p/TEMP\"\r\n", twoentries},
        TolerantCase{"TabsAndSpacesAroundFields", "\t#TRUE# ,\t\"Main\" , \" Main library\"\t,\"/p\"  \r\n  #FALSE#,\"TEMP\",\" W\",\"/p/TEMP\"\r\n", twoentries},
        TolerantCase{"UnquotedTexts", "#TRUE#,Main,\" Main library\", /p \r\n#FALSE#,TEMP,\" W\",/p/TEMP\r\n", twoentries},
        TolerantCase{"RecordSplitBetweenFields", "#TRUE#,\"Main\",\r\n\" Main library\",\"/p\"\r\n#FALSE#,\"TEMP\",\" W\",\r\n\"/p/TEMP\"\r\n", twoentries},
        TolerantCase{"ByteOrderMark", "\xEF\xBB\xBF#TRUE#,\"Main\",\" Main library\",\"/p\"\r\n#FALSE#,\"TEMP\",\" W\",\"/p/TEMP\"\r\n", twoentries},
        TolerantCase{"Windows1252Text", "#FALSE#,\"\xC9T\xC9\",\"caf\xE9 \x80 5\",\"/p/\xC9T\xC9\"\r\n",
                     {{false, "ÉTÉ", "café € 5", "/p/ÉTÉ"}}},
        TolerantCase{"EmptyFile", "", {}},
        TolerantCase{"OnlyLineBreaks", "\r\n\r\n", {}}),
    [](const auto& info) { return info.param.label; });

struct DamagedCase {
  const char* label;
  std::string data;
  std::vector<Entry> expected;  // what can still be read
  const char* reason;           // part of the damage text
};

class RecordReaderReports : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(RecordReaderReports, DamagedFiles) {
  Read read = readentries(GetParam().data);
  EXPECT_EQ(read.entries, GetParam().expected);
  ASSERT_FALSE(read.damage.empty());
  std::string all;
  for (const auto& d : read.damage) all += d + "\n";
  EXPECT_NE(all.find(GetParam().reason), std::string::npos) << all;
}

const std::string mainline = "#TRUE#,\"Main\",\" Main library\",\"/p\"\r\n";
const Entry mainentry = {true, "Main", " Main library", "/p"};

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordReaderReports,
    ::testing::Values(
        DamagedCase{"TruncatedInsideAQuote", mainline + "#FALSE#,\"TE", {mainentry}, "line 2: a text has no closing quote"},
        DamagedCase{"UnterminatedQuoteMidFile", mainline + "#FALSE#,\"TEMP\r\n#FALSE#,B,c,/p/B\r\n",
                    {mainentry, {false, "TEMP", "#FALSE#", "B"}}, "line 2: a text has no closing quote"},
        DamagedCase{"MissingFieldsAtTheEnd", mainline + "#FALSE#,\"TEMP\"\r\n", {mainentry}, "line 2: the file ends inside a record"},
        DamagedCase{"MissingFieldInTheMiddle", "#TRUE#,\"Main\",\"/p\"\r\n#FALSE#,\"TEMP\",\" W\",\"/p/TEMP\"\r\n",
                    {{true, "Main", "/p", "#FALSE#"}}, "\"TEMP\" is neither #TRUE# nor #FALSE#"},
        DamagedCase{"BinaryJunk", std::string("#TRUE#,\"Ma") + '\0' + "in\x01\x7f\",\" Main library\",\"/p\"\r\n",
                    {mainentry}, "line 1: a field holds control characters"},
        DamagedCase{"NotABoolean", "#YES#,\"Main\",\" Main library\",\"/p\"\r\n", {{false, "Main", " Main library", "/p"}},
                    "\"#YES#\" is neither #TRUE# nor #FALSE#"}),
    [](const auto& info) { return info.param.label; });

TEST(RecordReader, CutsAnOverlongFieldOnACharacterBoundary) {
  std::string longname;
  while (longname.size() < RecordReader::maxfield + 10) longname += "ß";  // two bytes each
  Read read = readentries("#FALSE#,\"x" + longname + "\",\"c\",\"/d\"\r\n");
  ASSERT_EQ(read.entries.size(), 1u);
  EXPECT_LE(read.entries[0].name.size(), RecordReader::maxfield);
  EXPECT_EQ(read.entries[0].name.substr(0, 3), "xß");
  EXPECT_NE(read.entries[0].name.back(), '\xC3');  // no half character at the end
  EXPECT_EQ(read.entries[0].comment, "c");
  ASSERT_FALSE(read.damage.empty());
  EXPECT_EQ(read.damage.front(), "line 1: a field is too long");
}

TEST(RecordReader, ReadsIntegers) {
  RecordReader in("1,104, -5 ,+7,0\r\nx1,99999999999999999999\r\n");
  in.beginrecord();
  EXPECT_EQ(in.readinteger(), 1);
  EXPECT_EQ(in.readinteger(), 104);
  EXPECT_EQ(in.readinteger(), -5);
  EXPECT_EQ(in.readinteger(), 7);
  EXPECT_EQ(in.readinteger(), 0);
  EXPECT_TRUE(in.damage().empty());
  EXPECT_EQ(in.readinteger(), 0);
  EXPECT_EQ(in.readinteger(), 0);
  ASSERT_EQ(in.damage().size(), 2u);
  EXPECT_EQ(in.damage()[0], "line 2: \"x1\" is not a whole number");
  EXPECT_TRUE(in.atend());
  EXPECT_FALSE(in.incomplete());
}

}  // namespace
}  // namespace fotivo
