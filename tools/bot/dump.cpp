#include "dump.h"

#include <cstdlib>

namespace vv::bot {
namespace {

const Json NOTHING;

struct Reader {
  const std::string& s;
  std::size_t at = 0;
  bool ok = true;

  void Space() {
    while (at < s.size() && (s[at] == ' ' || s[at] == '\n' || s[at] == '\r' || s[at] == '\t')) ++at;
  }
  bool Eat(char c) {
    Space();
    if (at < s.size() && s[at] == c) return ++at, true;
    return false;
  }
  std::string Text() {
    std::string out;
    if (!Eat('"')) return ok = false, out;
    while (at < s.size() && s[at] != '"') {
      char c = s[at++];
      if (c == '\\' && at < s.size()) {
        c = s[at++];
        if (c == 'n') c = '\n';
        if (c == 'u' && at + 4 <= s.size()) {
          c = static_cast<char>(std::strtol(s.substr(at, 4).c_str(), nullptr, 16));
          at += 4;
        }
      }
      out += c;
    }
    if (at >= s.size()) ok = false;
    ++at;
    return out;
  }
  Json Value(int depth) {
    Json v;
    Space();
    if (at >= s.size() || depth > 32) return ok = false, v;
    const char c = s[at];
    if (c == '{') {
      ++at;
      v.kind = Json::OBJECT;
      if (Eat('}')) return v;
      do {
        std::string name = Text();
        if (!Eat(':')) return ok = false, v;
        v.fields[name] = Value(depth + 1);
      } while (ok && Eat(','));
      if (!Eat('}')) ok = false;
    } else if (c == '[') {
      ++at;
      v.kind = Json::LIST;
      if (Eat(']')) return v;
      do v.items.push_back(Value(depth + 1));
      while (ok && Eat(','));
      if (!Eat(']')) ok = false;
    } else if (c == '"') {
      v.kind = Json::TEXT;
      v.text = Text();
    } else if (c == '-' || (c >= '0' && c <= '9')) {
      char* end = nullptr;
      v.kind = Json::NUMBER;
      v.number = std::strtoll(s.c_str() + at, &end, 10);
      at = static_cast<std::size_t>(end - s.c_str());
      // A fraction is cut off; the dump writes whole numbers.
      while (at < s.size() &&
             (s[at] == '.' || s[at] == 'e' || s[at] == 'E' || s[at] == '+' || (s[at] >= '0' && s[at] <= '9')))
        ++at;
    } else {
      while (at < s.size() && s[at] >= 'a' && s[at] <= 'z') ++at;  // true, false, null
    }
    return v;
  }
};

void Flatten(const Json& v, std::vector<long long>& out) {
  if (v.kind == Json::NUMBER) out.push_back(v.number);
  for (const Json& item : v.items) Flatten(item, out);
}

}  // namespace

const Json& Json::operator[](const std::string& name) const {
  const auto it = fields.find(name);
  return it == fields.end() ? NOTHING : it->second;
}

const Json& Json::operator[](std::size_t index) const {
  return index < items.size() ? items[index] : NOTHING;
}

std::vector<long long> Json::Ints() const {
  std::vector<long long> out;
  Flatten(*this, out);
  return out;
}

Json ParseJson(const std::string& text) {
  Reader r{text};
  Json v = r.Value(0);
  return r.ok ? v : Json{};
}

long long View::Hero(int hero, int field) const {
  return root_["HeroStats"][static_cast<std::size_t>(hero - 1)][static_cast<std::size_t>(field - 1)].Int(0);
}

long long View::Equip(int hero, int slot, int field) const {
  return root_["HeroEquipment"][static_cast<std::size_t>(hero - 1)][static_cast<std::size_t>(slot - 1)]
              [static_cast<std::size_t>(field - 1)]
                  .Int(0);
}

std::vector<DrawnText> View::Texts() const {
  std::vector<DrawnText> out;
  for (const Json& t : root_["TextsDrawn"].items)
    out.push_back({t["text"].text, static_cast<int>(t["x"].Int(0)), static_cast<int>(t["y"].Int(0))});
  return out;
}

std::string View::ValueAfter(const std::string& label) const {
  const std::vector<DrawnText> texts = Texts();
  for (std::size_t i = 0; i + 1 < texts.size(); ++i)
    if (texts[i].text.rfind(label, 0) == 0) return texts[i + 1].text;
  return {};
}

}  // namespace vv::bot
