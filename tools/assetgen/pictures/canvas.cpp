#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <stdexcept>

namespace vv::gen {

Rgb Hex(const char* hex) {
  if (*hex == '#') ++hex;
  unsigned long v = std::strtoul(hex, nullptr, 16);
  return {double((v >> 16) & 255), double((v >> 8) & 255), double(v & 255)};
}

Rgb Grey(double v) {
  return {v, v, v};
}

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Darker(Rgb c, double amount) {
  // Shadows lean slightly towards blue-violet rather than plain grey.
  Rgb shadow{c.r * 0.55, c.g * 0.55, c.b * 0.7};
  return Mix(c, Mix(shadow, Rgb{0, 0, 0}, amount), amount);
}

Rgb Lighter(Rgb c, double amount) {
  return Mix(c, Rgb{250, 246, 232}, amount);
}

void SetColour(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cr_ = cairo_create(surface_);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void Canvas::ForEachPixel(const std::function<void(int, int, std::uint8_t*)>& fn) {
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < height_; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width_; ++x) {
      std::uint32_t p = row[x];
      unsigned a = p >> 24;
      std::uint8_t px[4] = {0, 0, 0, std::uint8_t(a)};
      if (a > 0) {
        px[0] = std::uint8_t(std::min(255u, (((p >> 16) & 255) * 255 + a / 2) / a));
        px[1] = std::uint8_t(std::min(255u, (((p >> 8) & 255) * 255 + a / 2) / a));
        px[2] = std::uint8_t(std::min(255u, ((p & 255) * 255 + a / 2) / a));
      }
      fn(x, y, px);
      unsigned na = px[3];
      row[x] = (na << 24) | ((px[0] * na + 127) / 255) << 16 | ((px[1] * na + 127) / 255) << 8 |
               ((px[2] * na + 127) / 255);
    }
  }
  cairo_surface_mark_dirty(surface_);
}

RgbaImage Canvas::ToImage(bool bleed) const {
  cairo_surface_flush(surface_);
  RgbaImage img(width_, height_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < height_; ++y) {
    auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width_; ++x) {
      std::uint32_t p = row[x];
      unsigned a = p >> 24;
      std::uint8_t* o = img.At(x, y);
      o[3] = std::uint8_t(a);
      if (a > 0) {
        o[0] = std::uint8_t(std::min(255u, (((p >> 16) & 255) * 255 + a / 2) / a));
        o[1] = std::uint8_t(std::min(255u, (((p >> 8) & 255) * 255 + a / 2) / a));
        o[2] = std::uint8_t(std::min(255u, ((p & 255) * 255 + a / 2) / a));
      }
    }
  }
  if (bleed) BleedColours(img);
  RemoveMaskColour(img);
  return img;
}

cairo_surface_t* SurfaceFromImage(const RgbaImage& image) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
  unsigned char* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < image.height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* p = image.At(x, y);
      unsigned a = p[3];
      row[x] = (a << 24) | ((p[0] * a + 127) / 255) << 16 | ((p[1] * a + 127) / 255) << 8 |
               ((p[2] * a + 127) / 255);
    }
  }
  cairo_surface_mark_dirty(s);
  return s;
}

void BleedColours(RgbaImage& image) {
  const int w = image.width, h = image.height;
  std::vector<char> done(static_cast<std::size_t>(w) * h, 0);
  std::deque<int> queue;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (image.At(x, y)[3] > 0) {
        done[y * w + x] = 1;
        queue.push_back(y * w + x);
      }
  if (queue.empty()) return;
  while (!queue.empty()) {
    int i = queue.front();
    queue.pop_front();
    int x = i % w, y = i / w;
    const std::uint8_t* src = image.At(x, y);
    static const int kDx[4] = {1, -1, 0, 0}, kDy[4] = {0, 0, 1, -1};
    for (int k = 0; k < 4; ++k) {
      int nx = x + kDx[k], ny = y + kDy[k];
      if (nx < 0 || ny < 0 || nx >= w || ny >= h || done[ny * w + nx]) continue;
      done[ny * w + nx] = 1;
      std::uint8_t* dst = image.At(nx, ny);
      dst[0] = src[0];
      dst[1] = src[1];
      dst[2] = src[2];
      queue.push_back(ny * w + nx);
    }
  }
}

void RemoveMaskColour(RgbaImage& image) {
  for (std::size_t i = 0; i + 3 < image.pixels.size(); i += 4) {
    std::uint8_t* p = &image.pixels[i];
    if (p[0] == 255 && p[1] == 255 && p[2] == 255) p[0] = p[1] = p[2] = 250;
  }
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  if (rx <= 0 || ry <= 0) return;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void Polygon(cairo_t* cr, std::initializer_list<Pt> pts) {
  Polygon(cr, std::vector<Pt>(pts));
}

void Polygon(cairo_t* cr, const std::vector<Pt>& pts) {
  if (pts.empty()) return;
  cairo_move_to(cr, pts[0].x, pts[0].y);
  for (std::size_t i = 1; i < pts.size(); ++i) cairo_line_to(cr, pts[i].x, pts[i].y);
  cairo_close_path(cr);
}

namespace {
void CatmullRom(cairo_t* cr, const std::vector<Pt>& p, bool closed, double t) {
  const int n = int(p.size());
  if (n < 2) return;
  auto at = [&](int i) {
    if (closed) return p[((i % n) + n) % n];
    return p[std::clamp(i, 0, n - 1)];
  };
  cairo_move_to(cr, p[0].x, p[0].y);
  int segments = closed ? n : n - 1;
  for (int i = 0; i < segments; ++i) {
    Pt p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
    Pt c1{p1.x + (p2.x - p0.x) * t / 6, p1.y + (p2.y - p0.y) * t / 6};
    Pt c2{p2.x - (p3.x - p1.x) * t / 6, p2.y - (p3.y - p1.y) * t / 6};
    cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, p2.x, p2.y);
  }
  if (closed) cairo_close_path(cr);
}
}  // namespace

void SmoothClosed(cairo_t* cr, const std::vector<Pt>& pts, double tension) {
  cairo_new_sub_path(cr);
  CatmullRom(cr, pts, true, tension);
}

void SmoothOpen(cairo_t* cr, const std::vector<Pt>& pts, double tension) {
  cairo_new_sub_path(cr);
  CatmullRom(cr, pts, false, tension);
}

void Cel(cairo_t* cr, const PathFn& path, Rgb base, const CelStyle& style) {
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  double x1, y1, x2, y2;
  cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
  double size = std::min(x2 - x1, y2 - y1);
  double d = style.offset >= 0 ? style.offset : std::clamp(size * 0.14, 1.0, 16.0);
  double hl = std::max(0.8, d * 0.55);
  cairo_push_group(cr);
  cairo_clip(cr);
  SetColour(cr, base);
  cairo_paint(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  // Lit rim: everything of the shape outside itself moved down-right.
  cairo_rectangle(cr, x1 - 50, y1 - 50, x2 - x1 + 100, y2 - y1 + 100);
  cairo_save(cr);
  cairo_translate(cr, hl, hl);
  path(cr);
  cairo_restore(cr);
  SetColour(cr, Lighter(base, style.light));
  cairo_fill(cr);
  // Shadow crescent: the shape outside itself moved up-left.
  cairo_rectangle(cr, x1 - 50, y1 - 50, x2 - x1 + 100, y2 - y1 + 100);
  cairo_save(cr);
  cairo_translate(cr, -d, -d);
  path(cr);
  cairo_restore(cr);
  SetColour(cr, Darker(base, style.shade));
  cairo_fill(cr);
  cairo_reset_clip(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  if (style.outline > 0) {
    path(cr);
    SetColour(cr, Darker(base, style.outlineDark));
    cairo_set_line_width(cr, style.outline);
    cairo_stroke(cr);
  }
  cairo_pop_group_to_source(cr);
  // Bounded paint, so recording surfaces can measure what was drawn.
  double o = style.outline + 2;
  cairo_rectangle(cr, x1 - o, y1 - o, x2 - x1 + 2 * o, y2 - y1 + 2 * o);
  cairo_clip(cr);
  cairo_paint_with_alpha(cr, style.alpha);
  cairo_restore(cr);
}

void Fill(cairo_t* cr, const PathFn& path, Rgb c, double alpha) {
  cairo_new_path(cr);
  path(cr);
  SetColour(cr, c, alpha);
  cairo_fill(cr);
}

void Stroke(cairo_t* cr, const PathFn& path, Rgb c, double width, double alpha) {
  cairo_new_path(cr);
  path(cr);
  SetColour(cr, c, alpha);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void Line(cairo_t* cr, double x1, double y1, double x2, double y2, Rgb c, double width, double alpha) {
  cairo_new_path(cr);
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  SetColour(cr, c, alpha);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void FillDisc(cairo_t* cr, cairo_pattern_t* pattern, double cx, double cy, double r) {
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_set_source(cr, pattern);
  cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

void Glow(cairo_t* cr, double cx, double cy, double radius, Rgb c, double alpha) {
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r / 255, c.g / 255, c.b / 255, alpha);
  cairo_pattern_add_color_stop_rgba(g, 0.4, c.r / 255, c.g / 255, c.b / 255, alpha * 0.45);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r / 255, c.g / 255, c.b / 255, 0);
  FillDisc(cr, g, cx, cy, radius);
}

void GroundShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.05, 0.04, 0.08, alpha);
  cairo_pattern_add_color_stop_rgba(g, 0.7, 0.05, 0.04, 0.08, alpha * 0.7);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.05, 0.04, 0.08, 0);
  FillDisc(cr, g, 0, 0, 1);
  cairo_restore(cr);
}

std::uint32_t Rng::Next() {
  // xorshift32: small, fast and the same everywhere.
  std::uint32_t x = state_ ? state_ : 0x6d2b79f5u;
  x ^= x << 13;
  x ^= x >> 17;
  x ^= x << 5;
  state_ = x;
  return x;
}

double Rng::Uniform(double lo, double hi) {
  return lo + (hi - lo) * (Next() / 4294967296.0);
}

int Rng::Int(int lo, int hi) {
  return lo + int(Next() % std::uint32_t(hi - lo + 1));
}

double Hash01(int x, int y, std::uint32_t seed) {
  std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xffffff) / 16777216.0;
}

double Noise(double x, double y, std::uint32_t seed, int period) {
  double fx = std::floor(x), fy = std::floor(y);
  int ix = int(fx), iy = int(fy);
  double tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  auto h = [&](int a, int b) {
    if (period > 0) {
      a = ((a % period) + period) % period;
      b = ((b % period) + period) % period;
    }
    return Hash01(a, b, seed);
  };
  double a = h(ix, iy), b = h(ix + 1, iy), c = h(ix, iy + 1), d = h(ix + 1, iy + 1);
  return a + (b - a) * tx + (c - a) * ty + (a - b - c + d) * tx * ty;
}

double Fbm(double x, double y, std::uint32_t seed, int octaves, int period) {
  double sum = 0, amp = 0.5, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * Noise(x, y, seed + o * 101u, period);
    norm += amp;
    x *= 2;
    y *= 2;
    if (period > 0) period *= 2;
    amp *= 0.5;
  }
  return sum / norm;
}

}  // namespace vv::gen
