// The SDL platform's event handling: quick taps, key positions.

#include <gtest/gtest.h>

#include "platform/headless_sdl.h"
#include "platform/sdl_platform.h"

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

  void PushKey(Uint32 type, SDL_Scancode sc) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.scancode = sc;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    SDL_PushEvent(&e);
  }

  SdlPlatform platform{SdlOptions{false, false, "software", false}};
};

TEST_F(SdlEventsTest, AClickWithinOneFrameIsSeenForOneFrame) {
  Push(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
  Push(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
  platform.PumpEvents();
  EXPECT_TRUE(platform.MouseDown(1));
  platform.PumpEvents();
  EXPECT_FALSE(platform.MouseDown(1));
}

TEST_F(SdlEventsTest, AQuickKeyTapIsSeenAndKeysMapByPosition) {
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_RETURN);
  PushKey(SDL_KEYUP, SDL_SCANCODE_RETURN);
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_SEMICOLON);  // the key right of L: Ö
  platform.PumpEvents();
  EXPECT_TRUE(platform.KeyDown(13));
  EXPECT_TRUE(platform.KeyDown(192));
  platform.PumpEvents();
  EXPECT_FALSE(platform.KeyDown(13));
  EXPECT_TRUE(platform.KeyDown(192));
  PushKey(SDL_KEYUP, SDL_SCANCODE_SEMICOLON);
  platform.PumpEvents();
  EXPECT_FALSE(platform.KeyDown(192));
}

TEST_F(SdlEventsTest, AHeldButtonStaysDownUntilReleased) {
  Push(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
  platform.PumpEvents();
  platform.PumpEvents();
  EXPECT_TRUE(platform.MouseDown(2));
  Push(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
  platform.PumpEvents();
  EXPECT_FALSE(platform.MouseDown(2));
}

}  // namespace
}  // namespace vv
