#include "monster_kit.h"

#include <algorithm>
#include <cmath>

namespace vv::gen {

Pt Polar(Pt from, double angle, double length) {
  return {from.x + std::cos(angle) * length, from.y + std::sin(angle) * length};
}

void Body(cairo_t* cr, const PathFn& path, Rgb base, double outline, double volume) {
  Cel(cr, path, base, {.outline = outline});
  if (volume <= 0) return;
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  double x1, y1, x2, y2;
  cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
  cairo_clip(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(x1, y1, x2, y2);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.97, 0.9, 0.16 * volume);
  cairo_pattern_add_color_stop_rgba(g, 0.45, 1, 0.97, 0.9, 0);
  cairo_pattern_add_color_stop_rgba(g, 0.6, 0.05, 0.03, 0.12, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.05, 0.03, 0.12, 0.3 * volume);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  if (outline > 0) Stroke(cr, path, Darker(base, 0.6), outline);
}

void Inside(cairo_t* cr, const PathFn& path, const std::function<void()>& detail, Rgb base, double outline) {
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  cairo_clip(cr);
  detail();
  cairo_restore(cr);
  if (outline > 0) Stroke(cr, path, Darker(base, 0.6), outline);
}

void CapsulePath(cairo_t* cr, Pt a, Pt b, double ra, double rb) {
  double dx = b.x - a.x, dy = b.y - a.y, d = std::hypot(dx, dy);
  if (d < 1e-6) {
    Ellipse(cr, a.x, a.y, std::max(ra, rb), std::max(ra, rb));
    return;
  }
  double ang = std::atan2(dy, dx);
  // Angle of the tangent touching both circles.
  double k = std::clamp((ra - rb) / d, -0.95, 0.95);
  double phi = std::acos(k);
  cairo_new_sub_path(cr);
  cairo_arc(cr, a.x, a.y, ra, ang + phi, ang - phi + 2 * M_PI);
  cairo_arc(cr, b.x, b.y, rb, ang - phi, ang + phi);
  cairo_close_path(cr);
}

void Limb(cairo_t* cr, Pt a, Pt b, double ra, double rb, Rgb c, double outline) {
  Body(
      cr, [&](cairo_t* c2) { CapsulePath(c2, a, b, ra, rb); }, c, outline, 0.8);
}

void MusclePath(cairo_t* cr, Pt a, Pt b, double ra, double rb, double belly) {
  double dx = b.x - a.x, dy = b.y - a.y, d = std::hypot(dx, dy);
  if (d < 1e-6) {
    CapsulePath(cr, a, b, ra, rb);
    return;
  }
  Pt u{dx / d, dy / d}, n{-dy / d, dx / d};
  auto at = [&](double t, double side, double r) {
    Pt p = Lerp(a, b, t);
    return Pt{p.x + n.x * side * r, p.y + n.y * side * r};
  };
  // One side swells into the muscle's belly, the other stays nearly
  // straight; both pinch in towards the joint at b.
  SmoothClosed(cr,
               {{a.x - u.x * ra * 0.7, a.y - u.y * ra * 0.7},
                at(0.05, 1, ra * 0.95),
                at(0.38, 1, ra * belly),
                at(0.78, 1, rb * 1.02),
                at(1.0, 1, rb * 0.85),
                {b.x + u.x * rb * 0.8, b.y + u.y * rb * 0.8},
                at(1.0, -1, rb * 0.85),
                at(0.7, -1, rb * 0.98),
                at(0.3, -1, ra * (0.9 + (belly - 1) * 0.4)),
                at(0.05, -1, ra * 0.95)},
               1.0);
}

void MuscleLimb(cairo_t* cr, Pt a, Pt b, double ra, double rb, Rgb c, double outline, double belly) {
  auto path = [&](cairo_t* c2) { MusclePath(c2, a, b, ra, rb, belly); };
  Body(cr, path, c, outline, 0.9);
  // A soft highlight along the swell and a shade line where it meets the joint.
  double dx = b.x - a.x, dy = b.y - a.y, d = std::max(1e-6, std::hypot(dx, dy));
  Pt n{-dy / d, dx / d};
  Inside(
      cr, path,
      [&] {
        Pt p = Lerp(a, b, 0.22), q = Lerp(a, b, 0.55);
        Line(cr, p.x + n.x * ra * 0.55, p.y + n.y * ra * 0.55, q.x + n.x * ra * 0.6, q.y + n.y * ra * 0.6,
             Lighter(c, 0.35), ra * 0.35, 0.45);
        Pt e = Lerp(a, b, 0.74);
        Stroke(
            cr,
            [&](cairo_t* c2) {
              cairo_move_to(c2, e.x + n.x * rb * 0.9, e.y + n.y * rb * 0.9);
              cairo_curve_to(c2, e.x + n.x * rb * 0.3 + dx / d * 6, e.y + n.y * rb * 0.3 + dy / d * 6,
                             e.x - n.x * rb * 0.1 + dx / d * 4, e.y - n.y * rb * 0.1 + dy / d * 4,
                             e.x - n.x * rb * 0.2, e.y - n.y * rb * 0.2);
            },
            Darker(c, 0.35), 2, 0.55);
      },
      c, outline);
}

std::vector<Pt> SampleCurve(const std::vector<Pt>& p, bool closed, int perSegment) {
  std::vector<Pt> out;
  const int n = int(p.size());
  if (n < 2) return p;
  auto at = [&](int i) { return closed ? p[((i % n) + n) % n] : p[std::clamp(i, 0, n - 1)]; };
  int segments = closed ? n : n - 1;
  for (int i = 0; i < segments; ++i) {
    Pt p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
    for (int k = 0; k < perSegment; ++k) {
      double t = double(k) / perSegment, t2 = t * t, t3 = t2 * t;
      auto f = [&](double a, double b, double c, double d) {
        return 0.5 *
               (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3);
      };
      out.push_back({f(p0.x, p1.x, p2.x, p3.x), f(p0.y, p1.y, p2.y, p3.y)});
    }
  }
  if (!closed) out.push_back(p.back());
  return out;
}

void FurryPath(cairo_t* cr, const std::vector<Pt>& pts, double tuft, double every, std::uint32_t seed) {
  std::vector<Pt> dense = SampleCurve(pts, true, 24);
  // Walk the edge at even spacing.
  std::vector<Pt> even;
  double carry = 0;
  for (std::size_t i = 0; i < dense.size(); ++i) {
    Pt a = dense[i], b = dense[(i + 1) % dense.size()];
    double seg = std::hypot(b.x - a.x, b.y - a.y);
    double t = carry;
    while (t < seg) {
      even.push_back(Lerp(a, b, t / seg));
      t += every;
    }
    carry = t - seg;
  }
  if (even.size() < 3) return Polygon(cr, pts);
  // Winding decides which normal points outwards.
  double area = 0;
  for (std::size_t i = 0; i < even.size(); ++i) {
    Pt a = even[i], b = even[(i + 1) % even.size()];
    area += a.x * b.y - b.x * a.y;
  }
  double out = area > 0 ? -1 : 1;
  Rng rng(seed);
  cairo_new_sub_path(cr);
  const std::size_t n = even.size();
  for (std::size_t i = 0; i < n; ++i) {
    Pt a = even[i], b = even[(i + 1) % n];
    double dx = b.x - a.x, dy = b.y - a.y, d = std::max(1e-6, std::hypot(dx, dy));
    double nx = dy / d * out, ny = -dx / d * out;
    double len = tuft * rng.Uniform(0.55, 1.25);
    // A tuft leans back along the edge like combed hair.
    Pt tip{a.x + dx * 0.9 + nx * len, a.y + dy * 0.9 + ny * len};
    if (i == 0)
      cairo_move_to(cr, a.x, a.y);
    else
      cairo_line_to(cr, a.x, a.y);
    cairo_curve_to(cr, a.x + nx * len * 0.5, a.y + ny * len * 0.5, tip.x - dx * 0.3, tip.y - dy * 0.3, tip.x,
                   tip.y);
    cairo_curve_to(cr, tip.x - dx * 0.1, tip.y - dy * 0.1, b.x + nx * len * 0.2, b.y + ny * len * 0.2, b.x,
                   b.y);
  }
  cairo_close_path(cr);
}

std::vector<Pt> CapsulePoints(Pt a, Pt b, double ra, double rb) {
  double ang = std::atan2(b.y - a.y, b.x - a.x);
  std::vector<Pt> pts;
  for (int i = 0; i <= 4; ++i) pts.push_back(Polar(b, ang - M_PI / 2 + i * M_PI / 4, rb));
  for (int i = 0; i <= 4; ++i) pts.push_back(Polar(a, ang + M_PI / 2 + i * M_PI / 4, ra));
  return pts;
}

void FurryBody(cairo_t* cr, const std::vector<Pt>& pts, Rgb base, Rgb hair, double tuft, double every,
               std::uint32_t seed, double outline) {
  auto path = [&](cairo_t* c) { FurryPath(c, pts, tuft, every, seed); };
  Body(cr, path, base, outline);
  double x1 = 1e9, y1 = 1e9, x2 = -1e9, y2 = -1e9;
  for (Pt p : pts) {
    x1 = std::min(x1, p.x);
    y1 = std::min(y1, p.y);
    x2 = std::max(x2, p.x);
    y2 = std::max(y2, p.y);
  }
  int count = int((x2 - x1) * (y2 - y1) / (tuft * tuft * 2.5)) + 4;
  Inside(
      cr, path,
      [&] {
        FurStrokes(cr, x1, y1, x2, y2, tuft * 1.1, M_PI / 2 + 0.3, hair, std::max(1.0, tuft * 0.14),
                   std::min(count, 900), seed + 7, 0.45);
      },
      base, outline);
}

void FurStrokes(cairo_t* cr, double x1, double y1, double x2, double y2, double len, double angle, Rgb c,
                double width, int count, std::uint32_t seed, double alpha) {
  Rng rng(seed);
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, width);
  SetColour(cr, c, alpha);
  cairo_new_path(cr);
  for (int i = 0; i < count; ++i) {
    double x = rng.Uniform(x1, x2), y = rng.Uniform(y1, y2);
    double a = angle + rng.Uniform(-0.35, 0.35), l = len * rng.Uniform(0.6, 1.2);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + std::cos(a) * l * 0.4, y + std::sin(a) * l * 0.4, x + std::cos(a + 0.2) * l * 0.8,
                   y + std::sin(a + 0.2) * l * 0.8, x + std::cos(a + 0.3) * l, y + std::sin(a + 0.3) * l);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void CrossEye(cairo_t* cr, double x, double y, double r, double width) {
  double w = width > 0 ? width : std::max(2.0, r * 0.38);
  Rgb ink = Hex("#1e1014");
  Line(cr, x - r, y - r, x + r, y + r, ink, w);
  Line(cr, x + r, y - r, x - r, y + r, ink, w);
}

void ClosedEye(cairo_t* cr, double x, double y, double r, double width) {
  double w = width > 0 ? width : std::max(2.0, r * 0.3);
  Stroke(
      cr,
      [&](cairo_t* c) {
        cairo_move_to(c, x - r, y - r * 0.1);
        cairo_curve_to(c, x - r * 0.4, y + r * 0.5, x + r * 0.4, y + r * 0.5, x + r, y - r * 0.1);
      },
      Hex("#1e1014"), w);
}

void Eye(cairo_t* cr, double x, double y, double r, Rgb iris, Pose pose, int side, bool slit) {
  if (pose == kDead) return CrossEye(cr, x, y, r * 0.75);
  const bool atk = pose == kAttack;
  double ry = atk ? r * 0.75 : r * 0.9;
  Cel(cr, [&](cairo_t* c) { Ellipse(c, x, y, r, ry); }, Hex("#f2ece0"),
      {.outline = std::max(1.5, r * 0.16), .shade = 0.25});
  double ix = x - side * r * 0.12;  // looking a little inwards, at the heroes
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, ix, y + r * 0.05, r * 0.6, std::min(ry, r * 0.62)); }, iris);
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, ix, y + r * 0.05, r * 0.6, std::min(ry, r * 0.62)); },
      Darker(iris, 0.5), 0.35);
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, ix - r * 0.08, y - r * 0.02, r * 0.45, std::min(ry, r * 0.5)); },
      iris);
  if (slit)
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, ix, y + r * 0.05, r * 0.14, std::min(ry, r * 0.55)); },
        Hex("#140a0a"));
  else
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, ix, y + r * 0.05, r * 0.27, r * 0.3); }, Hex("#140a0a"));
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, ix - r * 0.2, y - r * 0.2, r * 0.15, r * 0.13); }, Grey(248));
  // Upper lid line.
  Stroke(
      cr, [&](cairo_t* c) { cairo_arc(c, x, y + r * 0.15, r * 1.02, M_PI * 1.12, M_PI * 1.88); },
      Hex("#2a1418"), std::max(1.5, r * 0.2));
  if (atk)  // a frowning brow sloping down to the nose
    Stroke(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, x + side * r * 1.25, y - r * 1.25);
          cairo_line_to(c, x - side * r * 1.1, y - r * 0.55);
        },
        Hex("#2a1418"), std::max(2.5, r * 0.42));
}

void BeadEye(cairo_t* cr, double x, double y, double r, Rgb colour, Pose pose) {
  if (pose == kDead) return CrossEye(cr, x, y, r * 0.85);
  Cel(cr, [&](cairo_t* c) { Ellipse(c, x, y, r, r); }, colour, {.outline = std::max(1.5, r * 0.15)});
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, x - r * 0.35, y - r * 0.35, r * 0.28, r * 0.22); }, Grey(245), 0.9);
  if (pose == kAttack) Glow(cr, x, y, r * 2.2, colour, 0.35);
}

void Fang(cairo_t* cr, Pt base, double width, double length, double angle, Rgb c) {
  Pt tip = Polar(base, angle, length);
  double nx = -std::sin(angle) * width / 2, ny = std::cos(angle) * width / 2;
  Cel(cr,
      [&](cairo_t* c2) {
        cairo_move_to(c2, base.x + nx, base.y + ny);
        cairo_curve_to(c2, base.x + nx * 0.8 + (tip.x - base.x) * 0.5,
                       base.y + ny * 0.8 + (tip.y - base.y) * 0.5, tip.x + nx * 0.2, tip.y + ny * 0.2, tip.x,
                       tip.y);
        cairo_curve_to(c2, tip.x - nx * 0.1, tip.y - ny * 0.1, base.x - nx * 0.6 + (tip.x - base.x) * 0.4,
                       base.y - ny * 0.6 + (tip.y - base.y) * 0.4, base.x - nx, base.y - ny);
        cairo_close_path(c2);
      },
      c, {.outline = std::max(1.0, width * 0.14), .shade = 0.2, .outlineDark = 0.55});
}

void Claw(cairo_t* cr, Pt base, double width, double length, double angle, Rgb c) {
  // A claw curls: its tip bends a little further round.
  Pt mid = Polar(base, angle, length * 0.6);
  Pt tip = Polar(mid, angle + 0.5, length * 0.45);
  double nx = -std::sin(angle) * width / 2, ny = std::cos(angle) * width / 2;
  Cel(cr,
      [&](cairo_t* c2) {
        cairo_move_to(c2, base.x + nx, base.y + ny);
        cairo_curve_to(c2, mid.x + nx * 0.7, mid.y + ny * 0.7, tip.x, tip.y, tip.x, tip.y);
        cairo_curve_to(c2, mid.x - nx * 0.2, mid.y - ny * 0.2, mid.x - nx, mid.y - ny, base.x - nx,
                       base.y - ny);
        cairo_close_path(c2);
      },
      c, {.outline = std::max(1.0, width * 0.14), .shade = 0.25});
}

void Horn(cairo_t* cr, Pt base, Pt bend, Pt tip, double width, Rgb c) {
  double ang = std::atan2(bend.y - base.y, bend.x - base.x);
  double nx = -std::sin(ang) * width / 2, ny = std::cos(ang) * width / 2;
  Body(
      cr,
      [&](cairo_t* c2) {
        cairo_move_to(c2, base.x + nx, base.y + ny);
        cairo_curve_to(c2, bend.x + nx * 0.7, bend.y + ny * 0.7, bend.x + nx * 0.3 + (tip.x - bend.x) * 0.5,
                       bend.y + ny * 0.3 + (tip.y - bend.y) * 0.5, tip.x, tip.y);
        cairo_curve_to(c2, bend.x - nx * 0.3 + (tip.x - bend.x) * 0.4,
                       bend.y - ny * 0.3 + (tip.y - bend.y) * 0.4, bend.x - nx * 0.7, bend.y - ny * 0.7,
                       base.x - nx, base.y - ny);
        cairo_close_path(c2);
      },
      c, std::max(1.5, width * 0.1), 0.8);
  // Growth rings near the root.
  for (int i = 1; i <= 3; ++i) {
    double t = i * 0.14;
    Pt p = Lerp(base, bend, t);
    Line(cr, p.x + nx * 0.9, p.y + ny * 0.9, p.x - nx * 0.9, p.y - ny * 0.9, Darker(c, 0.35), width * 0.06,
         0.7);
  }
}

void Tongue(cairo_t* cr, Pt from, double width, double length, double angle, Rgb c) {
  Pt tip = Polar(from, angle, length);
  Body(
      cr, [&](cairo_t* c2) { CapsulePath(c2, from, tip, width * 0.45, width * 0.5); }, c,
      std::max(1.5, width * 0.1), 0.6);
  Line(cr, from.x, from.y, Lerp(from, tip, 0.7).x, Lerp(from, tip, 0.7).y, Darker(c, 0.3), width * 0.08, 0.8);
}

void MotionArcs(cairo_t* cr, Pt centre, double radius, double a0, double a1, int count, double gap, Rgb c) {
  for (int i = 0; i < count; ++i) {
    double r = radius + i * gap;
    double w = std::max(2.0, radius * 0.03) * (1.0 - i * 0.2);
    Stroke(
        cr, [&](cairo_t* c2) { cairo_arc(c2, centre.x, centre.y, r, a0 + i * 0.06, a1 - i * 0.04); }, c, w,
        0.85 - i * 0.18);
  }
}

void Puff(cairo_t* cr, Pt at, double r, Rgb c, double alpha) {
  Fill(
      cr,
      [&](cairo_t* c2) {
        Ellipse(c2, at.x, at.y, r, r * 0.8);
        Ellipse(c2, at.x - r * 0.7, at.y + r * 0.2, r * 0.6, r * 0.5);
        Ellipse(c2, at.x + r * 0.7, at.y + r * 0.15, r * 0.65, r * 0.55);
      },
      c, alpha);
  Fill(
      cr, [&](cairo_t* c2) { Ellipse(c2, at.x - r * 0.2, at.y - r * 0.25, r * 0.45, r * 0.3); },
      Lighter(c, 0.5), alpha * 0.7);
}

void FootShadow(cairo_t* cr, double cx, double rx, double ry, double alpha) {
  GroundShadow(cr, cx, -ry * 0.2, rx, ry, alpha);
}

void Flame(cairo_t* cr, Pt base, double width, double height, double lean, double alpha) {
  const Rgb layers[3] = {Hex("#e8401a"), Hex("#ff9a20"), Hex("#ffe070")};
  for (int i = 0; i < 3; ++i) {
    double k = 1.0 - i * 0.28, w = width * k / 2, h = height * (1.0 - i * 0.22);
    Pt b{base.x, base.y - i * height * 0.02};
    Pt tip = Polar(b, -M_PI / 2 + lean, h);
    Pt side = Polar(b, -M_PI / 2 + lean, h * 0.45);
    Fill(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, tip.x, tip.y);
          cairo_curve_to(c, side.x + w * 0.2, side.y, b.x + w * 1.1, b.y - w * 0.4, b.x + w * 0.6,
                         b.y + w * 0.2);
          cairo_curve_to(c, b.x + w * 0.3, b.y + w * 0.55, b.x - w * 0.3, b.y + w * 0.55, b.x - w * 0.6,
                         b.y + w * 0.2);
          cairo_curve_to(c, b.x - w * 1.1, b.y - w * 0.4, side.x - w * 0.5, side.y, tip.x, tip.y);
          cairo_close_path(c);
        },
        layers[i], alpha * (i == 0 ? 0.92 : 1.0));
  }
}

void OnGround(cairo_t* cr, double angle, const std::function<void(cairo_t*)>& fn, double sink,
              double squash) {
  cairo_surface_t* rec = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
  cairo_t* rc = cairo_create(rec);
  cairo_set_line_join(rc, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(rc, CAIRO_LINE_CAP_ROUND);
  cairo_scale(rc, 1, squash);
  cairo_rotate(rc, angle);
  fn(rc);
  cairo_destroy(rc);
  double x, y, w, h;
  cairo_recording_surface_ink_extents(rec, &x, &y, &w, &h);
  cairo_surface_destroy(rec);
  cairo_save(cr);
  cairo_translate(cr, -(x + w / 2), -(y + h) + sink);
  cairo_scale(cr, 1, squash);
  cairo_rotate(cr, angle);
  fn(cr);
  cairo_restore(cr);
}

void DizzyStars(cairo_t* cr, Pt centre, double r, int count) {
  for (int i = 0; i < count; ++i) {
    double a = i * 2 * M_PI / count - 0.4;
    Pt p{centre.x + std::cos(a) * r, centre.y + std::sin(a) * r * 0.35};
    double s = r * 0.16;
    Cel(cr,
        [&](cairo_t* c) {
          std::vector<Pt> star;
          for (int k = 0; k < 10; ++k) {
            double rr = k % 2 ? s * 0.42 : s;
            star.push_back({p.x + std::cos(-M_PI / 2 + k * M_PI / 5) * rr,
                            p.y + std::sin(-M_PI / 2 + k * M_PI / 5) * rr});
          }
          Polygon(c, star);
        },
        Hex("#f0d040"), {.outline = 1.5});
  }
}

}  // namespace vv::gen
