#pragma once
// Screen numbers. They are not contiguous: screens compare and store these
// exact numbers, so keep them as they are.

namespace vv {

constexpr int SCREEN_MAIN_MENU = 2;
constexpr int SCREEN_INVENTORY = 4;
constexpr int SCREEN_CHARACTER = 5;
constexpr int SCREEN_COMBAT = 6;
constexpr int SCREEN_LOOT = 7;
constexpr int SCREEN_SPELLS = 8;
constexpr int SCREEN_WORLD = 10;
constexpr int SCREEN_CREATION = 21;
constexpr int SCREEN_SAVE_LOAD = 22;
constexpr int SCREEN_OPTIONS = 23;
constexpr int SCREEN_ENDING = 24;

constexpr int SCREEN_COUNT = 25;  // screen tables are indexed by number

// The order in which the loop tests the screen number. A screen that sets
// GameScreen directly must only set a screen earlier in this order.
constexpr int SCREEN_RUN_ORDER[] = {SCREEN_MAIN_MENU, SCREEN_CREATION, SCREEN_SAVE_LOAD, SCREEN_OPTIONS,
                                    SCREEN_WORLD,     SCREEN_COMBAT,   SCREEN_INVENTORY, SCREEN_LOOT,
                                    SCREEN_CHARACTER, SCREEN_SPELLS,   SCREEN_ENDING};

// Option numbers in OptionFlags.
constexpr int OPTION_MUSIC = 1;
constexpr int OPTION_SOUND = 2;
constexpr int OPTION_DAY_NIGHT = 3;
constexpr int OPTION_COMMENTS = 4;
constexpr int OPTION_TURN_INDICATOR = 5;
constexpr int OPTION_MENU_FADING = 6;

// Virtual-key numbers the game compares against.
constexpr int KEY_BACKSPACE = 8;
constexpr int KEY_ENTER = 13;
constexpr int KEY_ESCAPE = 27;
constexpr int KEY_SPACE = 32;
constexpr int KEY_LEFT = 37;
constexpr int KEY_UP = 38;
constexpr int KEY_RIGHT = 39;
constexpr int KEY_DOWN = 40;
constexpr int KEY_N = 78;
constexpr int KEY_Y = 89;
constexpr int KEY_F5 = 116;
constexpr int KEY_F9 = 120;
constexpr int KEY_LEFT_SHIFT = 160;
constexpr int KEY_LEFT_CONTROL = 162;

constexpr int MOUSE_LEFT = 1;
constexpr int MOUSE_RIGHT = 2;
constexpr int MOUSE_MIDDLE = 3;

}  // namespace vv
