#include "game/json_writer.h"

#include <cstdio>

namespace vv {

void JsonWriter::Key(std::string_view key) {
  if (!first_.back()) out_ += ',';
  first_.back() = false;
  if (!key.empty()) {
    Quoted(key);
    out_ += ':';
  }
}

void JsonWriter::Quoted(std::string_view text) {
  out_ += '"';
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out_ += '\\';
      out_ += static_cast<char>(c);
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out_ += buf;
    } else if (c >= 0x80) {
      out_ += static_cast<char>(0xC0 | (c >> 6));
      out_ += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out_ += static_cast<char>(c);
    }
  }
  out_ += '"';
}

void JsonWriter::BeginObject(std::string_view key) {
  Key(key);
  out_ += '{';
  first_.push_back(true);
}

void JsonWriter::EndObject() {
  first_.pop_back();
  out_ += '}';
}

void JsonWriter::BeginArray(std::string_view key) {
  Key(key);
  out_ += '[';
  first_.push_back(true);
}

void JsonWriter::EndArray() {
  first_.pop_back();
  out_ += ']';
}

void JsonWriter::Number(std::string_view key, long long value) {
  Key(key);
  out_ += std::to_string(value);
}

void JsonWriter::String(std::string_view key, std::string_view latin1) {
  Key(key);
  Quoted(latin1);
}

void JsonWriter::Bool(std::string_view key, bool value) {
  Key(key);
  out_ += value ? "true" : "false";
}

}  // namespace vv
