#pragma once
// The table of every picture this module draws: its file name, size, family
// and how it is prepared, plus the function that paints it.

#include <functional>
#include <string>
#include <vector>

#include "canvas.h"

namespace vv::gen {

enum PictureFlag : unsigned {
  kPlain = 0,
  kFiltered = 1,  // drawn with smooth scaling: colours are bled into transparent pixels
  kTinted = 2,    // multiplied by the drawing colour in the game: light neutral greys
  kSeamless = 4,  // tiled by the game: edges must wrap
};

struct PictureDef {
  std::string name;
  int width = 0;
  int height = 0;
  std::string family;
  unsigned flags = kPlain;
  std::function<void(Canvas&)> draw;
};

using PictureList = std::vector<PictureDef>;

// Every picture, in a fixed order (grouped by family).
const PictureList& AllPictures();
const PictureDef* FindPicture(std::string_view name);

// One adder per group of drawing code.
void AddFontPictures(PictureList& list);
void AddInterfacePictures(PictureList& list);
void AddWorldPictures(PictureList& list);
void AddForestTiles(PictureList& list);
void AddCavernTiles(PictureList& list);
void AddDesertTiles(PictureList& list);
void AddGardenTiles(PictureList& list);
void AddHideoutTiles(PictureList& list);
void AddPortraitPictures(PictureList& list);
void AddWeaponPictures(PictureList& list);
void AddArmourPictures(PictureList& list);
void AddInventoryPictures(PictureList& list);
void AddBattlegroundPictures(PictureList& list);
void AddMonsterPicturesA(PictureList& list);
void AddMonsterPicturesB(PictureList& list);
void AddSpellPictures(PictureList& list);

}  // namespace vv::gen
