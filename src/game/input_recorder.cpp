#include "game/input_recorder.h"

#include <cstdio>
#include <ctime>
#include <system_error>

namespace vv {
namespace {

const char* ButtonWord(int button) {
  return button == 2 ? "right" : button == 3 ? "middle" : "left";
}

}  // namespace

InputRecorder::InputRecorder() {
  complain = [](const std::string& why) { std::fprintf(stderr, "Vizid of Vorgash: %s\n", why.c_str()); };
}

InputRecorder::~InputRecorder() {
  Finish();
}

bool InputRecorder::Start(Shell& shell, const std::filesystem::path& path, std::uint32_t seed) {
  path_ = path;
  out_.open(path, std::ios::binary | std::ios::trunc);
  if (!out_) {
    Fail("cannot record into " + path.string() + "; the game goes on unrecorded");
    return false;
  }
  SeedRandom(shell, seed);
  char stamp[32] = "";
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  if (gmtime_r(&now, &utc)) std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M UTC", &utc);
  out_ << "# Vizid of Vorgash, recorded " << stamp << ".\n"
       << "# Replay: vizid-playtest " << path.filename().string() << "\n";
  // A game that loads or lists saved games replays the same only over the
  // same saved games (vizid-playtest --data, on a copy of that folder).
  std::error_code ec;
  std::string saves;
  for (const auto& entry : std::filesystem::directory_iterator(shell.DataDir / "saves", ec)) {
    saves += " " + entry.path().filename().string();
  }
  out_ << "# Saved games when it began:" << (saves.empty() ? " none" : saves) << "\n"
       << "seed " << seed << "\n";
  for (int option = 1; option <= 6; ++option)
    out_ << "option " << option << " " << shell.OptionFlags[option] << "\n";
  out_.flush();
  if (!out_) Fail("cannot write " + path_.string() + "; the recording stops here");
  return Recording();
}

void InputRecorder::Push(Step::Kind kind, int a, int b, int c) {
  if (kind == Step::Wait && !steps_.empty() && steps_.back().kind == Step::Wait) {
    ++steps_.back().a;
    return;
  }
  steps_.push_back({kind, a, b, c});
}

void InputRecorder::Fold() {
  // Down one frame and up the next is what `key` and `click` do.
  const std::size_t n = steps_.size();
  if (n < 4) return;
  const Step* t = &steps_[n - 4];
  const bool oneFrameEach = t[1].kind == Step::Wait && t[1].a == 1 && t[3].kind == Step::Wait && t[3].a == 1;
  if (!oneFrameEach || t[0].a != t[2].a) return;
  if (t[0].kind == Step::Hold && t[2].kind == Step::Release) {
    const int code = t[0].a;
    steps_.resize(n - 4);
    steps_.push_back({Step::Key, code});
  } else if (t[0].kind == Step::Down && t[2].kind == Step::Up) {
    const int button = t[0].a;
    // The move that came with the press belongs to the click.
    std::size_t from = n - 4;
    if (from > 0 && steps_[from - 1].kind == Step::Move) --from;
    steps_.resize(from);
    steps_.push_back({Step::Click, mouseX_, mouseY_, button});
  }
}

void InputRecorder::Frame(const Platform& p) {
  if (!Recording()) return;
  for (int code = 1; code <= 250; ++code) {
    if (p.KeyDown(code) == keys_[code]) continue;
    keys_[code] = !keys_[code];
    Push(keys_[code] ? Step::Hold : Step::Release, code);
  }
  if (p.MouseX() != mouseX_ || p.MouseY() != mouseY_) {
    mouseX_ = p.MouseX();
    mouseY_ = p.MouseY();
    Push(Step::Move, mouseX_, mouseY_);
  }
  for (int button = 1; button <= 3; ++button) {
    if (p.MouseDown(button) == buttons_[button]) continue;
    buttons_[button] = !buttons_[button];
    Push(buttons_[button] ? Step::Down : Step::Up, button);
  }
  Push(Step::Wait, 1);
  Fold();
  // Every line that can no longer change goes to the file at once, so a game
  // that dies keeps its input up to its last change. Still open: the last
  // wait, which grows while nothing happens, and after a wait of one frame
  // the changes before it, which may fold with the next frame's.
  std::size_t open = 0;
  if (steps_.back().kind == Step::Wait) {
    open = 1;
    while (steps_.back().a == 1 && open < steps_.size() &&
           steps_[steps_.size() - 1 - open].kind != Step::Wait) {
      ++open;
    }
  }
  if (open == steps_.size()) return;
  Write(steps_.size() - open);
  out_.flush();
  if (!out_) Fail("cannot write " + path_.string() + "; the recording stops here");
}

void InputRecorder::Write(std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const Step& s = steps_[i];
    switch (s.kind) {
      case Step::Wait:
        out_ << "wait " << s.a << "\n";
        break;
      case Step::Hold:
        out_ << "hold " << s.a << "\n";
        break;
      case Step::Release:
        out_ << "release " << s.a << "\n";
        break;
      case Step::Move:
        out_ << "move " << s.a << " " << s.b << "\n";
        break;
      case Step::Down:
        out_ << "mousedown " << ButtonWord(s.a) << "\n";
        break;
      case Step::Up:
        out_ << "mouseup " << ButtonWord(s.a) << "\n";
        break;
      case Step::Key:
        out_ << "key " << s.a << "\n";
        break;
      case Step::Click:
        out_ << "click " << s.a << " " << s.b << (s.c == 1 ? "" : std::string(" ") + ButtonWord(s.c)) << "\n";
        break;
    }
  }
  steps_.erase(steps_.begin(), steps_.begin() + static_cast<std::ptrdiff_t>(count));
}

void InputRecorder::Finish(std::string_view note) {
  if (!Recording()) return;
  Write(steps_.size());
  if (!note.empty()) out_ << "# " << note << "\n";
  out_.close();
  if (out_.fail()) Fail("cannot write " + path_.string() + "; the recording is incomplete");
}

void InputRecorder::Fail(const std::string& why) {
  if (complain) complain(why);
  complain = nullptr;  // said once
  if (out_.is_open()) out_.close();
  steps_.clear();
}

}  // namespace vv
