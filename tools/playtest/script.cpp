#include "script.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <sstream>

namespace vv {
namespace {

template <typename Number>
bool ParseInt(const std::string& word, Number& value) {
  const char* end = word.data() + word.size();
  auto [ptr, ec] = std::from_chars(word.data(), end, value);
  return ec == std::errc() && ptr == end;
}

// A seed is any 32-bit pattern (a recording's is drawn from the clock); it
// travels in the command's int with its bits unchanged.
bool ParseSeed(const std::vector<std::string>& args, int& seed) {
  std::uint32_t value = 0;
  if (args.size() != 1 || !ParseInt(args[0], value)) return false;
  seed = static_cast<int>(value);
  return true;
}

// left, right or middle as a button number, 0 for anything else.
int ButtonNumber(const std::string& word) {
  return word == "left" ? 1 : word == "right" ? 2 : word == "middle" ? 3 : 0;
}

}  // namespace

int KeyCodeForChar(char c) {
  const unsigned char u = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(c)));
  if ((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == ' ') return u;
  switch (u) {
    case ',':
      return 188;
    case '-':
      return 189;
    case '.':
      return 190;
    case '?':
      return 187;
    default:
      return 0;
  }
}

bool ParseScript(const std::string& source, std::vector<ScriptCommand>& out, std::string& error) {
  std::istringstream in(source);
  std::string raw;
  int lineNo = 0;
  while (std::getline(in, raw)) {
    ++lineNo;
    if (const auto hash = raw.find('#'); hash != std::string::npos) raw.resize(hash);
    std::istringstream words(raw);
    std::string verb;
    if (!(words >> verb)) continue;
    std::vector<std::string> args;
    for (std::string w; words >> w;) args.push_back(w);
    ScriptCommand cmd{ScriptCommand::Wait, lineNo, 0, 0, 0, {}};
    auto fail = [&](const std::string& why) {
      error = "line " + std::to_string(lineNo) + ": " + why;
      return false;
    };
    auto ints = [&](std::size_t count) {
      if (args.size() != count) return false;
      int* slots[] = {&cmd.a, &cmd.b};
      for (std::size_t i = 0; i < count; ++i) {
        if (!ParseInt(args[i], *slots[i])) return false;
      }
      return true;
    };
    if (verb == "seed" || verb == "wait" || verb == "key" || verb == "hold" || verb == "release") {
      cmd.kind = verb == "seed"   ? ScriptCommand::Seed
                 : verb == "wait" ? ScriptCommand::Wait
                 : verb == "key"  ? ScriptCommand::Key
                 : verb == "hold" ? ScriptCommand::Hold
                                  : ScriptCommand::Release;
      const bool read = cmd.kind == ScriptCommand::Seed ? ParseSeed(args, cmd.a) : ints(1);
      if (!read) return fail("'" + verb + "' takes one whole number");
      if (cmd.kind == ScriptCommand::Wait && cmd.a < 0) return fail("'wait' takes a count of frames");
      if (cmd.kind != ScriptCommand::Seed && cmd.kind != ScriptCommand::Wait && (cmd.a < 1 || cmd.a > 250)) {
        return fail("key codes run from 1 to 250");
      }
    } else if (verb == "move") {
      cmd.kind = ScriptCommand::Move;
      if (!ints(2)) return fail("'move' takes X and Y");
    } else if (verb == "click" || verb == "mousedown" || verb == "mouseup") {
      cmd.kind = verb == "click"       ? ScriptCommand::Click
                 : verb == "mousedown" ? ScriptCommand::MouseDown
                                       : ScriptCommand::MouseUp;
      const std::size_t place = cmd.kind == ScriptCommand::Click ? 2 : 0;
      cmd.c = 1;
      if (args.size() == place + 1) {
        cmd.c = ButtonNumber(args[place]);
        if (cmd.c == 0) return fail("the button is left, right or middle");
        args.pop_back();
      }
      if (!ints(place)) {
        return fail(place ? "'click' takes X, Y and an optional button"
                          : "'" + verb + "' takes an optional button");
      }
    } else if (verb == "option") {
      cmd.kind = ScriptCommand::Option;
      if (!ints(2) || cmd.a < 1 || cmd.a > 6 || cmd.b < 0 || cmd.b > 1) {
        return fail("'option' takes an option from 1 to 6 and 0 or 1");
      }
    } else if (verb == "type" || verb == "shot" || verb == "dump") {
      cmd.kind = verb == "type"   ? ScriptCommand::Type
                 : verb == "shot" ? ScriptCommand::Shot
                                  : ScriptCommand::Dump;
      // The rest of the line, as written.
      const auto at = raw.find(verb) + verb.size();
      std::string rest = raw.substr(at);
      const auto b = rest.find_first_not_of(" \t");
      const auto e = rest.find_last_not_of(" \t\r");
      rest = b == std::string::npos ? "" : rest.substr(b, e - b + 1);
      if (rest.empty()) return fail("'" + verb + "' needs " + (verb == "type" ? "a text" : "a path"));
      if (cmd.kind == ScriptCommand::Type) {
        for (char c : rest) {
          if (KeyCodeForChar(c) == 0) return fail(std::string("cannot type '") + c + "'");
        }
      }
      cmd.text = rest;
    } else {
      return fail("unknown command '" + verb + "'");
    }
    out.push_back(cmd);
  }
  return true;
}

}  // namespace vv
