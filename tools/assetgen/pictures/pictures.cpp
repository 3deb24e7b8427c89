#include "pictures.h"

#include <algorithm>
#include <unordered_map>

#include "picture_table.h"

namespace vv::gen {

const PictureList& AllPictures() {
  static const PictureList list = [] {
    PictureList l;
    AddFontPictures(l);
    AddInterfacePictures(l);
    AddWorldPictures(l);
    AddForestTiles(l);
    AddCavernTiles(l);
    AddDesertTiles(l);
    AddGardenTiles(l);
    AddHideoutTiles(l);
    AddPortraitPictures(l);
    AddWeaponPictures(l);
    AddArmourPictures(l);
    AddInventoryPictures(l);
    AddBattlegroundPictures(l);
    AddMonsterPicturesA(l);
    AddMonsterPicturesB(l);
    AddSpellPictures(l);
    return l;
  }();
  return list;
}

const PictureDef* FindPicture(std::string_view name) {
  static const std::unordered_map<std::string_view, const PictureDef*> index = [] {
    std::unordered_map<std::string_view, const PictureDef*> m;
    for (const PictureDef& d : AllPictures()) m[d.name] = &d;
    return m;
  }();
  auto it = index.find(name);
  return it == index.end() ? nullptr : it->second;
}

bool DrawPicture(std::string_view fileName, RgbaImage& out) {
  const PictureDef* def = FindPicture(fileName);
  if (!def) return false;
  Canvas canvas(def->width, def->height);
  def->draw(canvas);
  out = canvas.ToImage((def->flags & kFiltered) != 0);
  if (def->flags & kTinted)  // the game multiplies these: keep them at 250 or below
    for (std::size_t i = 0; i < out.pixels.size(); ++i)
      if (i % 4 != 3) out.pixels[i] = std::min<std::uint8_t>(out.pixels[i], 250);
  return true;
}

}  // namespace vv::gen
