#pragma once
// Records a game as it is played, as a playtest script: the seed and the
// options the game starts from, then the input every frame ran with (keys,
// mouse buttons, the mouse in canvas pixels) written as the changes from the
// frame before, with each run of frames where nothing changed as one wait.
// vizid-playtest runs the file and plays the same frames with the same input.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "shell/shell.h"

namespace vv {

class InputRecorder {
 public:
  InputRecorder();
  ~InputRecorder();
  InputRecorder(const InputRecorder&) = delete;
  InputRecorder& operator=(const InputRecorder&) = delete;

  // Starts recording into `path`: reseeds the game with `seed` and writes
  // the file's head. False when the file cannot be made; the game then goes
  // on unrecorded.
  bool Start(Shell& shell, const std::filesystem::path& path, std::uint32_t seed);
  // After every frame: the input that frame ran with.
  void Frame(const Platform& p);
  // Writes the rest and closes the file, `note` as its last comment.
  void Finish(std::string_view note = {});
  bool Recording() const { return out_.is_open(); }

  // Told, once, why the file could not be written (stderr by default).
  std::function<void(const std::string&)> complain;

 private:
  struct Step {
    enum Kind { Wait, Hold, Release, Move, Down, Up, Key, Click } kind;
    int a = 0, b = 0, c = 0;
  };
  void Push(Step::Kind kind, int a, int b = 0, int c = 0);
  void Fold();
  void Write(std::size_t count);
  void Fail(const std::string& why);

  std::ofstream out_;
  std::filesystem::path path_;
  std::vector<Step> steps_;  // not yet written: the last frame's may still fold or grow
  bool keys_[251] = {};
  bool buttons_[4] = {};
  int mouseX_ = 0, mouseY_ = 0;
};

}  // namespace vv
