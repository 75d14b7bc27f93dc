#include "library/record_writer.h"

namespace fotivo {

void RecordWriter::separate() {
  if (!firstfield_) data_ += ',';
  firstfield_ = false;
}

RecordWriter& RecordWriter::text(std::string_view value) {
  separate();
  data_ += '"';
  for (char c : value) data_ += c == '"' ? '\'' : c;
  data_ += '"';
  return *this;
}

RecordWriter& RecordWriter::boolean(bool value) {
  separate();
  data_ += value ? "#TRUE#" : "#FALSE#";
  return *this;
}

RecordWriter& RecordWriter::integer(std::int64_t value) {
  separate();
  data_ += std::to_string(value);
  return *this;
}

RecordWriter& RecordWriter::endrecord() {
  data_ += "\r\n";
  firstfield_ = true;
  return *this;
}

}  // namespace fotivo
