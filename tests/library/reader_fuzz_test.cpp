// Mutated and random inputs through the reader: it must end, never read out of bounds (run
// under AddressSanitizer), and give only clean fields of bounded size.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "library/record_reader.h"
#include "library/record_writer.h"

namespace fotivo {
namespace {

std::string validindex() {
  RecordWriter out;
  out.boolean(true).text("Main").text(" Main library").text("/home/me/photos").endrecord();
  out.boolean(false).text("HOLIDAY").text("Beach, sun \"and\" sea").text("/home/me/photos/HOLIDAY").endrecord();
  out.boolean(false).text("TEMP").text(" Work in process").text("/home/me/photos/TEMP").endrecord();
  return out.data();
}

std::string mutate(std::string data, std::mt19937& random) {
  const char interesting[] = {'"', ',', '\r', '\n', ' ', '\t', '#', '\0', '\x7f', '\xc3', 'A'};
  const int edits = 1 + static_cast<int>(random() % 8);
  for (int i = 0; i < edits; ++i) {
    const std::size_t at = data.empty() ? 0 : random() % data.size();
    const char c = random() % 2 ? interesting[random() % sizeof interesting] : static_cast<char>(random());
    switch (random() % 4) {
      case 0: if (!data.empty()) data[at] = c; break;
      case 1: data.insert(data.begin() + static_cast<std::ptrdiff_t>(at), c); break;
      case 2: if (!data.empty()) data.erase(at, 1 + random() % 4); break;
      case 3: data.resize(at); break;
    }
  }
  return data;
}

void readall(const std::string& data) {
  RecordReader in(data);
  int records = 0;
  while (!in.atend()) {
    ASSERT_LE(records++, static_cast<int>(data.size()));  // every record consumes input
    in.beginrecord();
    in.readboolean();
    for (int field = 0; field < 3; ++field) {
      const std::string text = in.readtext();
      ASSERT_LE(text.size(), RecordReader::maxfield);
      for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        ASSERT_TRUE(b >= 0x20 || c == '\t' || c == '\r' || c == '\n') << int(b);
        ASSERT_NE(b, 0x7F);
      }
    }
  }
}

TEST(RecordReaderFuzz, MutatedAndRandomInputs) {
  std::mt19937 random(20261210);
  const std::string valid = validindex();
  for (int round = 0; round < 3000; ++round) {
    std::string data;
    if (round % 3 == 0) {
      data.resize(random() % 300);
      for (char& c : data) c = static_cast<char>(random());
    } else {
      data = mutate(valid, random);
    }
    SCOPED_TRACE(::testing::PrintToString(data));
    readall(data);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace fotivo
