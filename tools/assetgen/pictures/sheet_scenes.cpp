#include "sheet_scenes.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "canvas.h"
#include "picture_table.h"

namespace vv::gen {
namespace {

constexpr int kSheetWidth = 1600;
constexpr int kMaxSheetHeight = 2400;
constexpr int kLabelHeight = 16;
constexpr int kGap = 12;

struct Tint {
  const char* label;
  Rgb colour;
};

struct Item {
  std::string label;
  RgbaImage image;  // already tinted
};

RgbaImage Tinted(const RgbaImage& src, Rgb t) {
  RgbaImage out = src;
  for (std::size_t i = 0; i + 3 < out.pixels.size(); i += 4) {
    out.pixels[i] = std::uint8_t(out.pixels[i] * t.r / 255.0);
    out.pixels[i + 1] = std::uint8_t(out.pixels[i + 1] * t.g / 255.0);
    out.pixels[i + 2] = std::uint8_t(out.pixels[i + 2] * t.b / 255.0);
  }
  return out;
}

void Checker(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  for (int yy = 0; yy < h; yy += 8)
    for (int xx = 0; xx < w; xx += 8) {
      double v = ((xx / 8 + yy / 8) % 2) ? 0.22 : 0.28;
      cairo_set_source_rgb(cr, v, v, v + 0.02);
      cairo_rectangle(cr, x + xx, y + yy, 8, 8);
      cairo_fill(cr);
    }
  cairo_restore(cr);
}

void Label(cairo_t* cr, double x, double y, const std::string& text, double size = 11) {
  cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_set_source_rgb(cr, 0.85, 0.85, 0.8);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

// The width a label takes, so that neighbours never overlap.
int LabelWidth(const std::string& text) {
  static cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 4, 4);
  cairo_t* cr = cairo_create(scratch);
  cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 11);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  cairo_destroy(cr);
  return int(std::ceil(ext.x_advance)) + 6;
}

// Shelf-packs the items onto as many sheets as needed.
int WriteItemSheets(const std::string& title, std::vector<Item>& items, const std::filesystem::path& dir,
                    int first) {
  int written = 0;
  std::size_t i = 0;
  while (i < items.size()) {
    // Lay out one sheet.
    struct Place {
      std::size_t item;
      int x, y;
    };
    std::vector<Place> places;
    int x = kGap, y = 40, rowH = 0;
    std::size_t j = i;
    for (; j < items.size(); ++j) {
      const RgbaImage& img = items[j].image;
      int w = std::max(img.width, LabelWidth(items[j].label)), h = img.height + kLabelHeight;
      if (x + w > kSheetWidth - kGap && x > kGap) {
        x = kGap;
        y += rowH + kGap;
        rowH = 0;
      }
      if (y + h > kMaxSheetHeight && !places.empty()) break;
      places.push_back({j, x, y});
      x += w + kGap;
      rowH = std::max(rowH, h);
    }
    int height = y + rowH + kGap;
    int width = kSheetWidth;
    for (const Place& p : places) width = std::max(width, p.x + items[p.item].image.width + kGap);
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.13, 0.13, 0.15);
    cairo_paint(cr);
    char name[160];
    std::snprintf(name, sizeof name, "%s (%d)", title.c_str(), first + written + 1);
    Label(cr, kGap, 26, name, 18);
    for (const Place& p : places) {
      const Item& it = items[p.item];
      Checker(cr, p.x, p.y, it.image.width, it.image.height);
      cairo_surface_t* s = SurfaceFromImage(it.image);
      cairo_set_source_surface(cr, s, p.x, p.y);
      cairo_paint(cr);
      cairo_surface_destroy(s);
      Label(cr, p.x, p.y + it.image.height + 12, it.label);
    }
    cairo_destroy(cr);
    std::snprintf(name, sizeof name, "%s_%d.png", title.c_str(), first + written + 1);
    cairo_surface_write_to_png(sheet, (dir / name).c_str());
    cairo_surface_destroy(sheet);
    ++written;
    i = j;
  }
  return written;
}

const Rgb kYellow{255, 255, 0}, kBrown{100, 50, 0};

// The tints the game draws each tinted picture with.
std::vector<Tint> TintsOf(const std::string& name) {
  static const std::vector<Tint> kSlotStates = {
      {"idle", {125, 125, 125}},  {"filled", {90, 90, 90}},    {"hover", {255, 255, 0}},
      {"fits", {0, 255, 0}},      {"fits+", {175, 255, 0}},    {"no", {255, 0, 0}},
      {"no filled", {175, 0, 0}}, {"no hover", {255, 175, 0}}, {"fits hover", {175, 255, 0}},
  };
  if (name == "invslot.png" || name.rfind("eqslot_", 0) == 0) return kSlotStates;
  if (name == "faceborder.png") return {{"yellow", kYellow}, {"brown", kBrown}};
  if (name == "faceback.png") return {{"brown", kBrown}, {"red", {255, 0, 0}}, {"green", {0, 255, 0}}};
  if (name == "lootslot.png") return {{"yellow", kYellow}, {"brown", {150, 75, 0}}};
  if (name.rfind("lilarrow_", 0) == 0) return {{"yellow", kYellow}, {"grey", {100, 100, 100}}};
  if (name == "hpgauge1.png") {
    std::vector<Tint> t;
    static const char* const kLabels[] = {"100%", "75%", "50%", "25%", "10%"};
    const double q[] = {1.0, 0.75, 0.5, 0.25, 0.1};
    for (int i = 0; i < 5; ++i) {
      double d = q[i] - 0.1;
      t.push_back(
          {kLabels[i],
           {std::min(255.0, std::max(0.0, (1 - d) * 510)), std::min(255.0, std::max(0.0, d * 510)), 0}});
    }
    return t;
  }
  if (name == "talkmenu.png") return {{"yellow", kYellow}};
  if (name == "border.png") return {{"pulse 255", {255, 255, 255}}, {"pulse 128", {128, 128, 128}}};
  if (name == "redneck.png") return {{"sunset", {255, 0, 0}}};
  if (name == "sm_tab.png") return {{"white", {255, 255, 255}}, {"grey", {175, 175, 175}}};
  if (name == "medfont.png" || name == "medfont2.png")
    return {{"cyan", {0, 255, 255}}, {"yellow", kYellow}, {"green", {0, 255, 0}}, {"magenta", {255, 0, 255}}};
  if (name == "buttback.png" || name.rfind("stattab", 0) == 0 || name.rfind("board", 0) == 0)
    return {{"white", {255, 255, 255}}};
  return {};
}

}  // namespace

int WriteContactSheets(const std::map<std::string, RgbaImage>& images, const std::filesystem::path& outDir) {
  int count = 0;
  // Families at full size, in catalogue order.
  std::vector<std::string> families;
  for (const PictureDef& d : AllPictures())
    if (std::find(families.begin(), families.end(), d.family) == families.end()) families.push_back(d.family);
  for (const std::string& fam : families) {
    std::vector<Item> items;
    for (const PictureDef& d : AllPictures())
      if (d.family == fam) {
        char label[96];
        std::snprintf(label, sizeof label, "%s %dx%d", d.name.c_str(), d.width, d.height);
        items.push_back({label, images.at(d.name)});
      }
    count += WriteItemSheets("family_" + fam, items, outDir, 0);
  }
  // Tinted pictures under every tint the game uses.
  std::vector<Item> tinted;
  for (const PictureDef& d : AllPictures())
    for (const Tint& t : TintsOf(d.name)) {
      if (d.name.rfind("medfont", 0) == 0 && t.label != std::string("cyan")) continue;
      tinted.push_back({d.name + " " + t.label, Tinted(images.at(d.name), t.colour)});
    }
  count += WriteItemSheets("tints", tinted, outDir, 0);
  count += WriteSceneSheets(images, outDir);
  return count;
}

}  // namespace vv::gen
