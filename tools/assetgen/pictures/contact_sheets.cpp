// vizid-contactsheets OUTDIR: every picture on labelled sheets at full size,
// grouped by family, plus each picture alone in OUTDIR/pictures/.

#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "picture_table.h"
#include "pictures.h"
#include "sheet_scenes.h"

namespace {

using vv::gen::RgbaImage;

void WritePng(cairo_surface_t* s, const std::filesystem::path& path) {
  if (cairo_surface_write_to_png(s, path.c_str()) != CAIRO_STATUS_SUCCESS)
    std::fprintf(stderr, "could not write %s\n", path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vizid-contactsheets OUTDIR\n");
    return 2;
  }
  std::filesystem::path out = argv[1];
  std::filesystem::create_directories(out / "pictures");
  std::map<std::string, RgbaImage> images;
  for (const vv::gen::PictureDef& def : vv::gen::AllPictures()) {
    RgbaImage img;
    vv::gen::DrawPicture(def.name, img);
    cairo_surface_t* s = vv::gen::SurfaceFromImage(img);
    WritePng(s, out / "pictures" / def.name);
    cairo_surface_destroy(s);
    images[def.name] = std::move(img);
  }
  int sheets = vv::gen::WriteContactSheets(images, out);
  std::printf("%zu pictures, %d sheets in %s\n", images.size(), sheets, out.c_str());
  return 0;
}
