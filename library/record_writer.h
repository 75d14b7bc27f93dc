// Writes the record line format: fields separated by one comma, texts in double quotes as
// held, #TRUE#/#FALSE#, decimal integers, each record ended by CR LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fotivo {

class RecordWriter {
 public:
  // The format cannot hold a double quote inside a text: one that slipped past the input
  // checks is written as an apostrophe, so the file stays readable.
  RecordWriter& text(std::string_view value);
  RecordWriter& boolean(bool value);
  RecordWriter& integer(std::int64_t value);
  RecordWriter& endrecord();

  const std::string& data() const { return data_; }

 private:
  void separate();

  std::string data_;
  bool firstfield_ = true;
};

}  // namespace fotivo
