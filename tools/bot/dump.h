#pragma once
// The state dump as the bot reads it: a small JSON reader that keeps the
// numbers, texts, lists and fields of one dump, and the few questions the bot
// asks of it (a field's number, a list of numbers, the texts drawn).

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vv::bot {

struct Json {
  enum Kind { NONE, NUMBER, TEXT, LIST, OBJECT } kind = NONE;
  long long number = 0;
  std::string text;
  std::vector<Json> items;
  std::map<std::string, Json> fields;

  const Json& operator[](const std::string& name) const;
  const Json& operator[](std::size_t index) const;
  long long Int(long long fallback = -1) const { return kind == NUMBER ? number : fallback; }
  // The numbers of a list, nested lists flattened.
  std::vector<long long> Ints() const;
  std::size_t size() const { return items.size(); }
};

// Empty (kind NONE) when the text is not one JSON value.
Json ParseJson(const std::string& text);

// One text drawn this frame, as the dump lists it.
struct DrawnText {
  std::string text;
  int x = 0, y = 0;
};

// The screen as the bot sees it after one frame.
class View {
 public:
  explicit View(const std::string& dump) : root_(ParseJson(dump)) {}
  long long Int(const char* name) const { return root_[name].Int(); }
  const Json& operator[](const char* name) const { return root_[name]; }
  // HeroStats field (1..32) of hero 1 or 2.
  long long Hero(int hero, int field) const;
  // HeroEquipment field (1..6) of a hero's slot (1..5).
  long long Equip(int hero, int slot, int field) const;
  std::vector<DrawnText> Texts() const;
  // The value drawn right after the first label that starts with `label`.
  std::string ValueAfter(const std::string& label) const;

 private:
  Json root_;
};

}  // namespace vv::bot
