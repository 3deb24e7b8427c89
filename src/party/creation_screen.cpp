#include "party/creation_screen.h"

#include <string>

#include "game/game_setup.h"
#include "party/creation_rolls.h"
#include "party/hero_record.h"
#include "shell/input.h"
#include "shell/main_loop.h"
#include "shell/menus.h"
#include "shell/text.h"

namespace vv {
namespace {

constexpr int CARET_PERIOD = 30;
const char* const ROW_LABELS[7] = {"", "NAME", "CLASS", "STRENGTH", "DEXTERITY", "INTELLIGENCE", "ENDURANCE"};

struct Box {
  int x, y, w, h;
};

Box LeftArrow(int x) {
  return {x + 106, 225, 60, 64};
}
Box RightArrow(int x) {
  return {x + 314, 225, 60, 64};
}
Box NameBox(int x) {
  return {x + 223, 322, 269, 50};
}
Box ClassBox(int x) {
  return {x + 223, 374, 269, 50};
}
Box RerollBox(int x) {
  return {x + 136, 633, 210, 52};
}

bool Over(const Game& game, const Box& b) {
  return MouseOver(game, b.x, b.y, b.w, b.h);
}

bool Clicked(const Game& game, const Box& b) {
  return MouseHit(game, MOUSE_LEFT) && Over(game, b);
}

bool IsSpecial(const Game& game, int h) {
  return game.CreatedHeroes[h][created::Portrait] == SPECIAL_PORTRAIT;
}

int AttributeSum(const Game& game, int h) {
  int sum = 0;
  for (int f = created::Strength; f <= created::Endurance; ++f) sum += game.CreatedHeroes[h][f];
  return sum;
}

void ChangePortrait(Game& game, int h, int step) {
  int& portrait = game.CreatedHeroes[h][created::Portrait];
  if (portrait == SPECIAL_PORTRAIT) {
    // The special hero steps aside for an ordinary one.
    game.RerollRequest = 1;
    game.DraftNames[1] = DefaultNames[static_cast<std::size_t>(Rand(game, 2, 15))];
  }
  portrait += step;
  if (portrait < 1) portrait = ORDINARY_PORTRAITS;
  if (portrait > ORDINARY_PORTRAITS) portrait = 1;
  game.SoundEvent = SOUND_CLICK;
  game.ButtonState[step < 0 ? GLOW_LEFT_ARROW[h] : GLOW_RIGHT_ARROW[h]][1] = ARROW_PRESS_FRAMES;
}

void HeroControls(Game& game, int h) {
  const int x = CREATION_COLUMN_X[h];
  if (AttributeSum(game, h) == 4) game.RerollRequest = 1;

  if (Clicked(game, LeftArrow(x))) {
    ChangePortrait(game, h, -1);
  } else if (Clicked(game, RightArrow(x))) {
    ChangePortrait(game, h, +1);
  }

  if (!IsSpecial(game, h)) {
    if (Clicked(game, NameBox(x))) {
      game.TypingHero = h;
      game.TypingText = game.DraftNames[h];
      game.SoundEvent = SOUND_CLICK;
    } else if (Clicked(game, ClassBox(x))) {
      int& heroClass = game.CreatedHeroes[h][created::Class];
      heroClass = heroClass % 3 + 1;
      game.RerollRequest = 1;
      game.SoundEvent = SOUND_CLICK;
    }
    if (Clicked(game, RerollBox(x))) {
      game.RerollRequest = 1;
      game.SoundEvent = SOUND_CLICK;
    }
  }

  if (game.RerollRequest == 1) {
    RollHero(game, h);
    game.RerollRequest = 0;
  }
}

void NameTyping(Game& game) {
  TypeText(game, game.TypingText, NAME_LENGTH);
  game.TypingText = game.TypedText;
  if (KeyHit(game, KEY_ENTER)) {
    game.DraftNames[game.TypingHero] = game.TypingText;
    game.TypingHero = 0;
  } else if (KeyHit(game, KEY_ESCAPE)) {
    game.TypingHero = 0;
    game.SoundEvent = SOUND_CLICK;
  }
}

void UpdateGlows(Game& game) {
  for (int h = 1; h <= 2; ++h) {
    const int x = CREATION_COLUMN_X[h];
    const bool controls = !IsSpecial(game, h);
    StepGlow(game.ButtonState[GLOW_NAME[h]][2], controls && Over(game, NameBox(x)));
    StepGlow(game.ButtonState[GLOW_CLASS[h]][2], controls && Over(game, ClassBox(x)));
    StepGlow(game.ButtonState[GLOW_REROLL[h]][2], controls && Over(game, RerollBox(x)));
    const int arrows[2] = {GLOW_LEFT_ARROW[h], GLOW_RIGHT_ARROW[h]};
    const Box boxes[2] = {LeftArrow(x), RightArrow(x)};
    for (int a = 0; a < 2; ++a) {
      int* row = game.ButtonState[arrows[a]];
      const bool hovered = Over(game, boxes[a]);
      StepGlow(row[2], hovered);
      if (!hovered && row[1] > 0) row[2] = 0;
    }
  }
  StepGlow(game.ButtonState[GLOW_CANCEL][2],
           MouseOver(game, CREATION_CANCEL_X, CREATION_BUTTON_Y, CREATION_BUTTON_W, CREATION_BUTTON_H));
  StepGlow(game.ButtonState[GLOW_ACCEPT][2],
           MouseOver(game, CREATION_ACCEPT_X, CREATION_BUTTON_Y, CREATION_BUTTON_W, CREATION_BUTTON_H));
}

void DrawHero(Game& game, int h) {
  Platform& p = game.platform;
  const int x = CREATION_COLUMN_X[h];
  const int* hero = game.CreatedHeroes[h];

  p.DrawImage(game.CharTabImage, static_cast<float>(x - 16), 185);

  // The portrait arrows, grey by glow and dark while pressed.
  const int arrows[2] = {GLOW_LEFT_ARROW[h], GLOW_RIGHT_ARROW[h]};
  for (int a = 0; a < 2; ++a) {
    const int* row = game.ButtonState[arrows[a]];
    const int v = row[1] > 0 ? 50 : static_cast<int>(100 + 15.5f * static_cast<float>(row[2]));
    p.SetColor(v, v, v);
    if (a == 0) {
      p.DrawImage(game.ArrowImage, static_cast<float>(x + 106), 225);
    } else {
      p.SetScale(-1, 1);
      p.DrawImage(game.ArrowImage, static_cast<float>(x + 374), 225);
      p.SetScale(1, 1);
    }
  }
  p.SetColor(255, 255, 255);

  // The portrait in its frame.
  p.SetColor(100, 50, 0);
  p.DrawImage(game.FaceBorderImage, static_cast<float>(x + 176), 193);
  p.SetColor(255, 255, 255);
  p.DrawImage(game.FaceImages[hero[created::Portrait]], static_cast<float>(x + 183), 200);

  const bool typing = game.TypingHero == h;
  for (int row = 1; row <= 6; ++row) {
    const float y = static_cast<float>(CREATION_ROW_Y[row]);
    p.SetColor(255, 255, 0);
    DrawTextHalf(game, static_cast<float>(x), y, ROW_LABELS[row], 0);
    p.SetColor(255, 255, 255);
    p.DrawImage(game.StatTab[2], static_cast<float>(x + 223), y - 11);

    std::string value;
    if (row == 1) {
      value = typing ? game.TypingText : game.DraftNames[h];
      if (typing) {
        p.SetColor(0, 255, 0);
      } else {
        SetGlowColour(p, game.ButtonState[GLOW_NAME[h]][2]);
      }
    } else if (row == 2) {
      value = ClassNames[static_cast<std::size_t>(hero[created::Class] % 4)];
      SetGlowColour(p, game.ButtonState[GLOW_CLASS[h]][2]);
    } else {
      value = std::to_string(hero[row]);
      p.SetColor(255, 150, 0);
    }
    DrawTextHalf(game, static_cast<float>(x + 234), y, value, 0);
    if (row == 1 && typing) {
      // The caret fades out and in again every half second.
      const int phase =
          game.CaretBlink <= CARET_PERIOD / 2 ? game.CaretBlink : CARET_PERIOD - game.CaretBlink;
      const int v = 255 - phase * 10;
      p.SetColor(v, v, v);
      p.DrawImage(game.CaretImage, static_cast<float>(x + 234 + TextWidthHalf(value) + 2), y);
    }
  }
  p.SetColor(255, 255, 255);

  if (!IsSpecial(game, h)) {
    const Box reroll = RerollBox(x);
    p.DrawImage(game.StatTab[3], static_cast<float>(reroll.x), static_cast<float>(reroll.y));
    SetGlowColour(p, game.ButtonState[GLOW_REROLL[h]][2]);
    DrawTextHalf(game, static_cast<float>(x + 241), static_cast<float>(CREATION_ROW_Y[7]), "REROLL", 1);
    p.SetColor(255, 255, 255);
  }
}

void DrawCreation(Game& game) {
  Platform& p = game.platform;
  p.TileImage(game.MenuBackImage, 0, 0);
  p.SetScale(0.75f, 1);
  p.DrawImage(game.StatTab[4], 321, 128);
  p.SetScale(1, 1);
  p.SetColor(255, 0, 255);
  DrawTextHalf(game, 509, 139, "CHARACTER CREATION", 1);
  p.SetColor(255, 255, 255);

  for (int h = 1; h <= 2; ++h) DrawHero(game, h);

  const int buttons[2][2] = {{CREATION_CANCEL_X, GLOW_CANCEL}, {CREATION_ACCEPT_X, GLOW_ACCEPT}};
  const char* const labels[2] = {"CANCEL", "ACCEPT"};
  for (int i = 0; i < 2; ++i) {
    p.DrawImage(game.StatTab[3], static_cast<float>(buttons[i][0]), CREATION_BUTTON_Y);
    SetGlowColour(p, game.ButtonState[buttons[i][1]][2]);
    DrawTextHalf(game, static_cast<float>(buttons[i][0] + 105), CREATION_BUTTON_Y + 11, labels[i], 1);
    p.SetColor(255, 255, 255);
  }
  p.ResetDrawState();
}

}  // namespace

void StartNewGame(Game& game) {
  ResetGameTables(game);
  game.GameInProgress = 1;
  game.CurrentLevel = 1;
  game.MusicLevel = 1000;  // the area music starts at full volume
  game.CreationReady = 0;  // the next visit randomises again
  for (int h = 1; h <= 2; ++h) {
    const int* made = game.CreatedHeroes[h];
    int* stats = game.HeroStats[h];
    game.HeroNames[h] = game.DraftNames[h];
    for (int f = 1; f <= 32; ++f) stats[f] = 0;
    stats[hero::Class] = made[created::Class];
    stats[hero::Level] = 1;
    stats[hero::Experience] = 0;
    stats[hero::Strength] = stats[hero::BaseStrength] = made[created::Strength];
    stats[hero::Dexterity] = stats[hero::BaseDexterity] = made[created::Dexterity];
    stats[hero::Intelligence] = stats[hero::BaseIntelligence] = made[created::Intelligence];
    stats[hero::Endurance] = stats[hero::BaseEndurance] = made[created::Endurance];
    stats[hero::Health] = 2 * made[created::Endurance];
    stats[hero::Spell] = 1;
    stats[hero::Face] = made[created::Portrait];
  }
}

void RunCreationScreen(Game& game) {
  for (int row = 1; row <= 7; ++row) game.ButtonState[row][1] = CREATION_ROW_Y[row];
  // The arrows' press animation runs down; a click below starts it at 6.
  for (int row = 10; row <= 13; ++row) {
    if (game.ButtonState[row][1] > 0) --game.ButtonState[row][1];
  }

  if (game.PendingScreen == SCREEN_WORLD) {
    // The fade after ACCEPT is black: the new game begins now.
    StartNewGame(game);
  } else {
    if (game.CreationReady == 0) {
      FreshStart(game);
      game.CreationReady = 1;
    }
    if (game.TypingHero > 0) {
      NameTyping(game);
    } else {
      for (int h = 1; h <= 2; ++h) HeroControls(game, h);
      const bool cancel = MouseHit(game, MOUSE_LEFT) && MouseOver(game, CREATION_CANCEL_X, CREATION_BUTTON_Y,
                                                                  CREATION_BUTTON_W, CREATION_BUTTON_H);
      const bool accept = MouseHit(game, MOUSE_LEFT) && MouseOver(game, CREATION_ACCEPT_X, CREATION_BUTTON_Y,
                                                                  CREATION_BUTTON_W, CREATION_BUTTON_H);
      if (cancel || KeyHit(game, KEY_ESCAPE)) {
        SwitchScreen(game, SCREEN_MAIN_MENU);
        game.SoundEvent = SOUND_CLICK;
      } else if (accept) {
        StartFade(game, SCREEN_WORLD);
        game.SoundEvent = SOUND_CLICK;
      }
      UpdateGlows(game);
    }
  }
  game.CaretBlink = (game.CaretBlink + 1) % (CARET_PERIOD + 1);

  DrawCreation(game);
  if (game.PendingScreen > 0) ResetButtonGlow(game);
}

}  // namespace vv
