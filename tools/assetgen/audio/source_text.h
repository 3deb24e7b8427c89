#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vv::gen {

// A line of an asset source file split into words, with its position for
// error messages. A word starting with '#' begins a comment that runs to the
// end of the line (a '#' inside a word, as in F#4, is part of it).
struct SourceLine {
  std::string file;
  int number = 0;
  std::vector<std::string> words;
};

// Every failure in a source file names the file and the line, so a bad note
// stops the build right where the musician has to look.
class SourceError : public std::runtime_error {
 public:
  SourceError(const SourceLine& line, const std::string& message);
  SourceError(const std::string& file, int number, const std::string& message);
};

// Splits text into non-empty lines of words. Brackets [ ] and the
// quote-free words are kept as they are; blank and comment-only lines vanish.
std::vector<SourceLine> SplitSource(std::string_view text, const std::string& fileName);

std::string ReadTextFile(const std::filesystem::path& path);

// Number parsing that reports the line on failure.
double ParseNumber(const SourceLine& line, const std::string& word);
int ParseInt(const SourceLine& line, const std::string& word);

}  // namespace vv::gen
