// The input layer (hits, arming and the typing repeat); the SDL
// platform's event handling (quick taps, keyboard layouts); and the mouse
// mapped back from the letterboxed window onto the canvas.

#include <gtest/gtest.h>

#include <tuple>

#include "platform/fake_platform.h"
#include "platform/headless_sdl.h"
#include "platform/keymap.h"
#include "platform/letterbox.h"
#include "platform/sdl_platform.h"
#include "shell/input.h"

namespace vv {
namespace {

class SdlEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseHeadlessSdl();
    std::string error;
    ASSERT_TRUE(platform.Init(error) && platform.OpenGameDisplay(RendererChoice::OpenGL, "t", error))
        << error;
    platform.PumpEvents();
  }

  void Push(Uint32 type, Uint8 button) {
    SDL_Event e{};
    e.type = type;
    e.button.button = button;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    SDL_PushEvent(&e);
  }

  void PushKey(Uint32 type, SDL_Scancode sc, SDL_Keycode sym = SDLK_UNKNOWN) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.scancode = sc;
    e.key.keysym.sym = sym;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    SDL_PushEvent(&e);
  }

  SdlPlatform platform{HeadlessSdlOptions("software")};
};

// A click or key tap within one frame is seen for one frame, a held button
// or key until released; keys map by their position.
TEST_F(SdlEventsTest, QuickTapsAreSeenForOneFrameAndHeldOnesUntilReleased) {
  Push(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
  Push(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
  Push(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_RETURN);
  PushKey(SDL_KEYUP, SDL_SCANCODE_RETURN);
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_SEMICOLON);  // the key right of L: Ö
  platform.PumpEvents();
  EXPECT_TRUE(platform.MouseDown(1));
  EXPECT_TRUE(platform.KeyDown(13));
  EXPECT_TRUE(platform.KeyDown(192));
  platform.PumpEvents();
  EXPECT_FALSE(platform.MouseDown(1));
  EXPECT_TRUE(platform.MouseDown(2));
  EXPECT_FALSE(platform.KeyDown(13));
  EXPECT_TRUE(platform.KeyDown(192));
  Push(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
  PushKey(SDL_KEYUP, SDL_SCANCODE_SEMICOLON);
  platform.PumpEvents();
  EXPECT_FALSE(platform.MouseDown(2));
  EXPECT_FALSE(platform.KeyDown(192));
}

// A full-screen window on a display that is not 4:3 shows the canvas between
// bars. The pointer is read while the canvas is SDL's render target, which
// must not make the mapping stretch the canvas over the whole window.
TEST_F(SdlEventsTest, ThePointerFollowsTheLetterboxOfAWiderWindow) {
  SDL_Window* window = SDL_GetKeyboardFocus();
  for (Uint32 id = 1; id < 16 && !window; ++id) window = SDL_GetWindowFromID(id);
  ASSERT_NE(window, nullptr);
  SDL_SetWindowSize(window, 1280, 1024);  // the canvas at 1280 x 960, 32 pixels down
  platform.PumpEvents();
  platform.Cls();
  platform.Flip();
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.x = 812;
  e.motion.y = 932;
  SDL_PushEvent(&e);
  platform.PumpEvents();
  EXPECT_EQ(platform.MouseX(), 649);
  EXPECT_EQ(platform.MouseY(), 720);
}

TEST_F(SdlEventsTest, AKeyPressedAgainInTheFrameOfItsReleaseStaysHeld) {
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_SPACE);
  PushKey(SDL_KEYUP, SDL_SCANCODE_SPACE);
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_SPACE);
  platform.PumpEvents();
  EXPECT_TRUE(platform.KeyDown(32));
  platform.PumpEvents();
  platform.PumpEvents();
  EXPECT_TRUE(platform.KeyDown(32));
}

TEST_F(SdlEventsTest, ALetterKeyIsReleasedAsTheLetterItWentDownAs) {
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_Z, SDLK_y);  // German layout
  platform.PumpEvents();
  EXPECT_TRUE(platform.KeyDown('Y'));
  EXPECT_FALSE(platform.KeyDown('Z'));
  PushKey(SDL_KEYUP, SDL_SCANCODE_Z, SDLK_z);  // the layout switched while it was held
  platform.PumpEvents();
  EXPECT_FALSE(platform.KeyDown('Y'));
  EXPECT_FALSE(platform.KeyDown('Z'));
}

TEST(KeymapTest, LettersGoByTheLayoutAndSignsByTheirPlace) {
  // AZERTY: M sits right of L, the key where a US keyboard has M types a
  // comma, and the number row types signs but stands for its digits.
  EXPECT_EQ(VirtualKeyForKey(SDL_SCANCODE_SEMICOLON, SDLK_m), 'M');
  EXPECT_EQ(VirtualKeyForKey(SDL_SCANCODE_M, SDLK_COMMA), 0);
  EXPECT_EQ(VirtualKeyForKey(SDL_SCANCODE_1, SDLK_AMPERSAND), '1');
  // A layout without Latin letters keeps them where a US keyboard has them.
  EXPECT_EQ(VirtualKeyForKey(SDL_SCANCODE_A, 0x444), 'A');
}

TEST(LetterboxTest, TheMouseLandsOnTheCanvasPixelUnderItOrTheNearestEdge) {
  struct Case {
    const char* where;
    int wx, wy, windowW, windowH, outputW, outputH;
    int cx, cy;
  };
  const Case cases[] = {
      // 1280 x 1024 without a window manager: scale 1.25, bars 32 high.
      {"top left", 0, 32, 1280, 1024, 1280, 1024, 0, 0},
      {"bottom right", 1279, 991, 1280, 1024, 1280, 1024, 1023, 767},
      {"top bar", 100, 5, 1280, 1024, 1280, 1024, 80, 0},
      // Wider: the left bar is 171 wide, then one pixel per pixel.
      {"left edge", 171, 0, 1366, 768, 1366, 768, 0, 0},
      {"right edge", 1194, 767, 1366, 768, 1366, 768, 1023, 767},
      {"right bar", 1360, 300, 1366, 768, 1366, 768, 1023, 300},
      // High density: the window has half as many points as output pixels.
      {"high density", 256, 192, 512, 384, 1024, 768, 512, 384},
      // Outside the window altogether (a drag past its edge).
      {"outside", -50, 5000, 1024, 768, 1024, 768, 0, 767},
  };
  for (const Case& c : cases) {
    int cx = -1, cy = -1;
    WindowPointToCanvas(c.wx, c.wy, c.windowW, c.windowH, c.outputW, c.outputH, 1024, 768, cx, cy);
    EXPECT_EQ(std::tie(cx, cy), std::tie(c.cx, c.cy)) << c.where;
  }
}

class InputTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  Shell shell{platform};

  // One frame's sample with the key held or not.
  void Frame(int code, bool down) {
    platform.ScriptKey(code, down);
    UpdateInput(shell);
  }
};

TEST_F(InputTest, ADownKeyAtStartAndAHeldKeyHitOnlyAfterARelease) {
  // A key down at the start is no hit until it has been let go.
  Frame(KEY_SPACE, true);
  EXPECT_FALSE(KeyHit(shell, KEY_SPACE));
  Frame(KEY_SPACE, false);
  Frame(KEY_SPACE, true);
  EXPECT_TRUE(KeyHit(shell, KEY_SPACE));
  Frame('A', false);
  Frame('A', true);
  EXPECT_TRUE(KeyHit(shell, 'A'));
  Frame('A', true);
  EXPECT_FALSE(KeyHit(shell, 'A'));
  EXPECT_TRUE(KeyHeldDown(shell, 'A'));
}

TEST_F(InputTest, HeldLetterTypesOnceThenRepeatsFromTheTwentyFifthFrame) {
  Frame('K', false);
  std::string text;
  std::vector<int> typedOn;
  for (int frame = 1; frame <= 30; ++frame) {
    Frame('K', true);
    TypeText(shell, text, 100);
    if (shell.TypedText.size() > text.size()) typedOn.push_back(frame);
    text = shell.TypedText;
  }
  EXPECT_EQ(typedOn, (std::vector<int>{1, 25, 26, 27, 28, 29, 30}));
}

}  // namespace
}  // namespace vv
