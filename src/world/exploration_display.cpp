// The party on the play field and the display below it: portraits, boost
// icons, health gauges, the camp and menu buttons and the help texts.

#include <algorithm>
#include <string>

#include "items/items_tables.h"
#include "party/hero_record.h"
#include "party/portrait_bar.h"
#include "shell/input.h"
#include "shell/text.h"
#include "world/exploration.h"

namespace vv {
namespace {

constexpr int FACE_X[3] = {0, 16, 225};  // frame of each hero's portrait button
constexpr int BUTTON_Y = 628;
constexpr int BUTTON_SIZE = 128;
constexpr int CAMP_X = 671;
constexpr int MENU_X = 880;
constexpr int DISPLAY_Y = 614;
constexpr int DISPLAY_HEIGHT = 768 - DISPLAY_Y;

bool MouseOverFace(const Game& g, int h) {
  return MouseOver(g, FACE_X[h], BUTTON_Y, BUTTON_SIZE, BUTTON_SIZE);
}

bool FrameLit(const Game& g, int x) {
  return ExplorationInputFree(g) && MouseOver(g, x, BUTTON_Y, BUTTON_SIZE, BUTTON_SIZE);
}

void DrawButtonFrame(Game& g, int x) {
  if (FrameLit(g, x)) {
    g.platform.SetColor(255, 255, 0);
  } else {
    g.platform.SetColor(100, 50, 0);
  }
  g.platform.DrawImage(g.FaceBorderImage, static_cast<float>(x), BUTTON_Y);
}

void DrawHero(Game& g, int h) {
  Platform& p = g.platform;
  const float x = static_cast<float>(FACE_X[h] + 7);
  p.SetColor(100, 50, 0);
  p.DrawImage(g.FaceBackImage, x, 635);
  p.SetColor(255, 255, 255);
  const int face = g.HeroStats[h][hero::Face];
  p.SetBlend(BLEND_ALPHA);
  p.SetAlpha(1);
  if (face >= 1 && face <= 10) p.DrawImage(g.FaceImages[face], x, 635);
  p.SetBlend(BLEND_MASKED);
  int icon = 0;
  for (int b = 1; b <= 3; ++b) {
    if (g.HeroTimers[h][b] > 0) p.DrawImage(g.BonusImages[b], x + static_cast<float>(24 * icon++), 635);
  }
}

void DrawHealthGauge(Game& g, int h) {
  Platform& p = g.platform;
  const int health = g.HeroStats[h][hero::Health];
  const int maxHealth = g.HeroStats[h][hero::MaxHealth];
  const float gaugeX = h == 1 ? 167.0f : 376.0f;
  p.SetColor(255, 255, 255);
  p.DrawImage(g.HpGauge2Image, gaugeX, 628);
  const float q = maxHealth > 0 ? static_cast<float>(health) / static_cast<float>(maxHealth) : 0.0f;
  int red = 0, green = 0;
  HealthGaugeColour(q, red, green);
  p.SetColor(red, green, 0);
  p.SetScale(1, q);
  p.DrawImage(g.HpGauge1Image, gaugeX + 2, 738);
  p.SetScale(1, 1);
  p.SetColor(255, 150, 0);
  const std::string text = std::to_string(health) + "/" + std::to_string(maxHealth);
  DrawTextQuarter(g, h == 1 ? 182.0f : 391.0f, 740, text, 1);
}

void DrawHelp(Game& g) {
  constexpr const char* LABELS[4] = {"Movement...", "Rest................", "Quicksave...", "Quickload..."};
  constexpr const char* KEYS[4] = {"Arrow keys", "Space", "F5", "F9"};
  Platform& p = g.platform;
  for (int i = 0; i < 4; ++i) {
    const float y = static_cast<float>(630 + 20 * i);
    p.SetColor(255, 255, 0);
    DrawTextQuarter(g, 434, y, LABELS[i], 0);
    p.SetColor(255, 150, 0);
    DrawTextQuarter(g, 536, y, KEYS[i], 0);
  }
}

// The arrow beside the party for direction d, where a move is possible.
void DrawArrow(Game& g, int d, float alpha) {
  int x = g.PartyState[PartyX], y = g.PartyState[PartyY];
  int tx = x, ty = y;
  StepFrom(d, tx, ty);
  if (MoveBlocked(g, tx, ty)) return;
  if (d == 3 && y >= 560) return;
  constexpr int OFFSET[5][2] = {{0, 0}, {16, 0}, {32, 16}, {16, 32}, {0, 16}};
  Platform& p = g.platform;
  p.SetAlpha(alpha);
  if (g.ArrowHover[1 + d] == 1) {
    p.SetColor(255, 255, 0);
  } else {
    p.SetColor(100, 100, 100);
  }
  p.DrawImage(g.ArrowImages[d], static_cast<float>(x + OFFSET[d][0]), static_cast<float>(y + OFFSET[d][1]));
}

void DrawDisplayPieces(Game& g) {
  Platform& p = g.platform;
  p.ResetDrawState();
  p.DrawImage(g.LowBarImage, 0, 614);
  for (int x : {FACE_X[1], FACE_X[2], CAMP_X, MENU_X}) DrawButtonFrame(g, x);
  for (int h = 1; h <= 2; ++h) DrawHero(g, h);
  for (int h = 1; h <= 2; ++h) DrawHealthGauge(g, h);
  p.SetColor(255, 255, 255);
  p.DrawImage(g.CampImage, CAMP_X + 7, 635);
  p.DrawImage(g.MenuImage, MENU_X + 7, 635);
  DrawHelp(g);
  p.ResetDrawState();
}

}  // namespace

void HeroButtons(Game& g) {
  for (int h = 1; h <= 2; ++h) {
    if (!MouseOverFace(g, h)) continue;
    if (MouseHit(g, MOUSE_LEFT)) {
      g.ScreenRequest = REQUEST_INVENTORY + h - 1;
      g.SoundEvent = SOUND_CLICK;
    }
    if (MouseHit(g, MOUSE_RIGHT)) {
      g.ScreenRequest = REQUEST_CHARACTER + h - 1;
      g.SoundEvent = SOUND_CLICK;
    }
    if (MouseHit(g, MOUSE_MIDDLE) || KeyHit(g, KEY_LEFT_CONTROL)) {
      if (g.HeroStats[h][hero::Class] == CLASS_SORCERER) {
        g.ScreenRequest = REQUEST_SPELLS + h - 1;
        g.SoundEvent = SOUND_CLICK;
      } else {
        ShowMessage(g, "NOT A SPELLCASTER", 255, 0, 0);
        g.SoundEvent = SOUND_ALARM;
      }
    }
  }
}

void DrawPartyMarker(Game& g, const LightColour& light) {
  Platform& p = g.platform;
  p.SetColor(light.red, light.green, light.blue);
  p.DrawImage(g.MenImage, static_cast<float>(g.PartyState[PartyX]), static_cast<float>(g.PartyState[PartyY]));
}

void DrawDisplay(Game& g) {
  Platform& p = g.platform;
  // The display changes seldom; it is kept in a render image like the
  // field and redrawn only when what it shows changes.
  int key[DISPLAY_KEY_SIZE] = {};
  int k = 0;
  for (int x : {FACE_X[1], FACE_X[2], CAMP_X, MENU_X}) key[k++] = FrameLit(g, x) ? 1 : 0;
  for (int h = 1; h <= 2; ++h) {
    for (int field : {hero::Face, hero::Health, hero::MaxHealth}) key[k++] = g.HeroStats[h][field];
    for (int b = 1; b <= 3; ++b) key[k++] = g.HeroTimers[h][b] > 0 ? 1 : 0;
  }
  if (g.DisplayImage == 0 || !p.Image(g.DisplayImage)) {
    g.DisplayImage = p.CreateRenderImage(1024, DISPLAY_HEIGHT);
    g.DisplayKey[0] = -1;
  }
  if (g.DisplayImage == 0 || g.FieldCaching == 0) {
    DrawDisplayPieces(g);
    return;
  }
  if (!std::equal(key, key + DISPLAY_KEY_SIZE, g.DisplayKey)) {
    p.SetDrawTarget(g.DisplayImage, true);
    p.SetOrigin(0, -DISPLAY_Y);
    const std::size_t before = p.TextTrace().size();
    DrawDisplayPieces(g);
    g.DisplayTexts.clear();
    for (std::size_t i = before; i < p.TextTrace().size(); ++i) {
      const Platform::TracedText& t = p.TextTrace()[i];
      g.DisplayTexts.push_back({t.x, t.y, t.text});
    }
    p.SetOrigin(0, 0);
    p.SetDrawTarget(0);
    std::copy(key, key + DISPLAY_KEY_SIZE, g.DisplayKey);
  } else {
    // Its texts are still on the screen: tell the platform so.
    for (const DisplayText& t : g.DisplayTexts) p.TraceText(t.x, t.y, t.text);
  }
  p.ResetDrawState();
  p.SetBlend(BLEND_SOLID);
  p.DrawImage(g.DisplayImage, 0, DISPLAY_Y);
  p.ResetDrawState();
}

void DrawPartyFrameAndArrows(Game& g) {
  Platform& p = g.platform;
  const int pulse = g.PulseLevel;
  p.SetColor(pulse, pulse, pulse);
  p.DrawImage(g.BorderImage, static_cast<float>(g.PartyState[PartyX]),
              static_cast<float>(g.PartyState[PartyY]));
  // Unhovered, the arrows are fully transparent: nothing to draw.
  const bool hovered =
      std::any_of(std::begin(g.ArrowHover) + 1, std::end(g.ArrowHover), [](int f) { return f; });
  if (hovered) {
    p.SetBlend(BLEND_ALPHA);
    for (int d = 1; d <= 4; ++d) DrawArrow(g, d, 0.75f);
  }
  p.ResetDrawState();
}

}  // namespace vv
