#pragma once
// A small JSON writer for the state dump: objects, arrays, numbers and
// strings (Latin-1 text is written as UTF-8).

#include <string>
#include <string_view>
#include <vector>

namespace vv {

class JsonWriter {
 public:
  void BeginObject(std::string_view key = {});
  void EndObject();
  void BeginArray(std::string_view key = {});
  void EndArray();
  void Number(std::string_view key, long long value);
  void Number(long long value) { Number({}, value); }
  void String(std::string_view key, std::string_view latin1);
  void String(std::string_view latin1) { String({}, latin1); }
  void Bool(std::string_view key, bool value);
  // An int table indexed from `first` to `last` as an array.
  template <typename T>
  void IntArray(std::string_view key, const T* values, int first, int last) {
    BeginArray(key);
    for (int i = first; i <= last; ++i) Number(values[i]);
    EndArray();
  }
  const std::string& Text() const { return out_; }

 private:
  void Key(std::string_view key);
  void Quoted(std::string_view latin1);
  std::string out_;
  std::vector<bool> first_{true};
};

}  // namespace vv
