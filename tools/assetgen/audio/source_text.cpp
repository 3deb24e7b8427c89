#include "source_text.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vv::gen {

SourceError::SourceError(const SourceLine& line, const std::string& message)
    : SourceError(line.file, line.number, message) {}

SourceError::SourceError(const std::string& file, int number, const std::string& message)
    : std::runtime_error(file + ":" + std::to_string(number) + ": " + message) {}

std::vector<SourceLine> SplitSource(std::string_view text, const std::string& fileName) {
  std::vector<SourceLine> lines;
  int number = 0;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view raw = text.substr(pos, end - pos);
    ++number;
    SourceLine line{fileName, number, {}};
    std::string word;
    for (char c : raw) {
      if (c == '#' && word.empty()) break;  // a comment; F#4 inside a word is a note
      if (c == ' ' || c == '\t' || c == '\r') {
        if (!word.empty()) line.words.push_back(std::move(word));
        word.clear();
      } else {
        word.push_back(c);
      }
    }
    if (!word.empty()) line.words.push_back(std::move(word));
    if (!line.words.empty()) lines.push_back(std::move(line));
    if (end == text.size()) break;
    pos = end + 1;
  }
  return lines;
}

std::string ReadTextFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path.string() + ": cannot open");
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

double ParseNumber(const SourceLine& line, const std::string& word) {
  const char* begin = word.c_str();
  char* end = nullptr;
  errno = 0;
  double value = std::strtod(begin, &end);
  if (word.empty() || end != begin + word.size() || errno != 0) {
    throw SourceError(line, "expected a number, found '" + word + "'");
  }
  return value;
}

int ParseInt(const SourceLine& line, const std::string& word) {
  double value = ParseNumber(line, word);
  if (value != static_cast<int>(value))
    throw SourceError(line, "expected a whole number, found '" + word + "'");
  return static_cast<int>(value);
}

}  // namespace vv::gen
