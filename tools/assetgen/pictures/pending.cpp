#include "picture_table.h"
namespace vv::gen {
void AddMonsterPicturesA(PictureList&) {}
void AddMonsterPicturesB(PictureList&) {}
void AddSpellPictures(PictureList&) {}
}  // namespace vv::gen
