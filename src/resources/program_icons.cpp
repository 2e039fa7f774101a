// The program's icons, drawn here from simple shapes rather than stored as
// pixel tables: a round clock face with a dark rim, twelve hour marks, hour
// and minute hands at ten past ten and a red second hand. "Horatick" is the
// program icon (window class, About box, desktop entry); the others are the
// same face as a stopwatch, as an alarm clock and by night.
//
// Each icon is 32 x 32 ARGB with straight (not premultiplied) alpha, drawn
// once when first looked up, with 4 x 4 samples per pixel for smooth edges.
#include <cstdint>
#include <initializer_list>

#include "resources/resource_list.h"

namespace {

constexpr int kSize = 32;
constexpr int kSamples = 4;  // per pixel and direction
constexpr double kPi = 3.14159265358979323846;

using Pixels = std::uint32_t[kSize * kSize];

double Sine(double x) {
  while (x > kPi) x -= 2 * kPi;
  while (x < -kPi) x += 2 * kPi;
  double term = x;
  double sum = x;
  for (int n = 1; n < 12; ++n) {
    term *= -x * x / ((2 * n) * (2 * n + 1));
    sum += term;
  }
  return sum;
}
double Cosine(double x) { return Sine(x + kPi / 2); }

struct Point {
  double x;
  double y;
};

// A point at `radius` from the centre in the direction of a clock position,
// given in degrees clockwise from twelve o'clock.
Point OnDial(Point centre, double degrees, double radius) {
  const double a = degrees * kPi / 180;
  return {centre.x + radius * Sine(a), centre.y - radius * Cosine(a)};
}

bool InDisc(Point p, Point centre, double radius) {
  const double dx = p.x - centre.x;
  const double dy = p.y - centre.y;
  return dx * dx + dy * dy <= radius * radius;
}

// Within halfWidth of the segment from a to b (a stroke with round ends).
bool OnStroke(Point p, Point a, Point b, double halfWidth) {
  const double vx = b.x - a.x;
  const double vy = b.y - a.y;
  const double wx = p.x - a.x;
  const double wy = p.y - a.y;
  const double length2 = vx * vx + vy * vy;
  double t = length2 > 0 ? (wx * vx + wy * vy) / length2 : 0;
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  const double dx = wx - t * vx;
  const double dy = wy - t * vy;
  return dx * dx + dy * dy <= halfWidth * halfWidth;
}

enum class Extra { None, Crown, Bells };

struct Design {
  Point centre;
  double radius;  // of the rim's outer edge
  std::uint32_t rim;
  std::uint32_t face;
  std::uint32_t marks;
  std::uint32_t hands;
  std::uint32_t secondHand;
  Extra extra;
};

// The colour of one sample point, 0 where the icon is transparent. Shapes
// are painted back to front.
std::uint32_t SampleColour(const Design& d, Point p) {
  const double s = d.radius / 15;  // every size below is for a rim of radius 15
  std::uint32_t colour = 0;
  if (d.extra == Extra::Crown) {
    const Point top = OnDial(d.centre, 0, d.radius);
    if (OnStroke(p, {top.x, top.y - 3.2 * s}, top, 1.3 * s)) colour = d.rim;
    if (OnStroke(p, {top.x - 2.6 * s, top.y - 3.6 * s}, {top.x + 2.6 * s, top.y - 3.6 * s}, 1.2 * s)) colour = d.rim;
    const Point side = OnDial(d.centre, 45, d.radius);
    if (OnStroke(p, side, OnDial(d.centre, 45, d.radius + 2.4 * s), 1.2 * s)) colour = d.rim;
  } else if (d.extra == Extra::Bells) {
    for (double degrees : {-42.0, 42.0}) {
      if (InDisc(p, OnDial(d.centre, degrees, d.radius * 0.98), 5.2 * s)) colour = d.hands;
    }
    for (double degrees : {-140.0, 140.0}) {
      if (OnStroke(p, OnDial(d.centre, degrees, d.radius * 0.8), OnDial(d.centre, degrees, d.radius + 2.6 * s),
                   1.1 * s)) {
        colour = d.rim;
      }
    }
  }
  if (InDisc(p, d.centre, d.radius)) colour = d.rim;
  if (InDisc(p, d.centre, d.radius - 2 * s)) colour = d.face;
  for (int hour = 0; hour < 12; ++hour) {
    const bool quarter = hour % 3 == 0;
    const double degrees = hour * 30.0;
    const Point outer = OnDial(d.centre, degrees, 11.2 * s);
    const Point inner = OnDial(d.centre, degrees, (quarter ? 8.6 : 9.9) * s);
    if (OnStroke(p, inner, outer, (quarter ? 0.95 : 0.6) * s)) colour = d.marks;
  }
  // Ten past ten: the hour hand a sixth of the way from ten to eleven.
  if (OnStroke(p, d.centre, OnDial(d.centre, 305, 6.6 * s), 1.25 * s)) colour = d.hands;
  if (OnStroke(p, d.centre, OnDial(d.centre, 60, 9.8 * s), 0.9 * s)) colour = d.hands;
  if (OnStroke(p, OnDial(d.centre, 200, 2.6 * s), OnDial(d.centre, 20, 10.6 * s), 0.45 * s)) colour = d.secondHand;
  if (InDisc(p, d.centre, 1.7 * s)) colour = d.secondHand;
  return colour;
}

// Averages the samples of each pixel; colours are opaque, so the share of
// covered samples is the pixel's alpha.
bool Draw(const Design& d, Pixels& pixels) {
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      std::uint32_t red = 0;
      std::uint32_t green = 0;
      std::uint32_t blue = 0;
      std::uint32_t covered = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const Point p{x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples};
          const std::uint32_t c = SampleColour(d, p);
          if (c == 0) continue;
          red += (c >> 16) & 0xFF;
          green += (c >> 8) & 0xFF;
          blue += c & 0xFF;
          ++covered;
        }
      }
      if (covered == 0) {
        pixels[y * kSize + x] = 0;
        continue;
      }
      const std::uint32_t alpha = covered * 255 / (kSamples * kSamples);
      pixels[y * kSize + x] = (alpha << 24) | ((red / covered) << 16) | ((green / covered) << 8) | (blue / covered);
    }
  }
  return true;
}

// Colours are 0xFFrrggbb so that black stays distinct from "no shape".
constexpr std::uint32_t kNavy = 0xFF1F3A5F;
constexpr std::uint32_t kPaper = 0xFFFBF8F0;
constexpr std::uint32_t kInk = 0xFF1E2328;
constexpr std::uint32_t kSlate = 0xFF5A6470;
constexpr std::uint32_t kRed = 0xFFD0312D;
constexpr std::uint32_t kNight = 0xFF18212B;
constexpr std::uint32_t kMoon = 0xFFE8ECF2;
constexpr std::uint32_t kAmber = 0xFFF2A93B;

constexpr Point kMiddle{16, 16};
constexpr Point kLowered{16, 17.5};

constexpr Design kClock{kMiddle, 15, kNavy, kPaper, kSlate, kInk, kRed, Extra::None};
constexpr Design kStopwatch{kLowered, 13.5, kNavy, kPaper, kSlate, kInk, kRed, Extra::Crown};
constexpr Design kAlarmClock{kLowered, 13.5, kNavy, kPaper, kSlate, kInk, kRed, Extra::Bells};
constexpr Design kNightClock{kMiddle, 15, kSlate, kNight, kMoon, kMoon, kAmber, Extra::None};

Pixels clockPixels;
Pixels stopwatchPixels;
Pixels alarmClockPixels;
Pixels nightClockPixels;

// Draws one icon's pixels the first time it is asked for.
template <const Design& design, Pixels& pixels>
void DrawOnce() {
  static const bool drawn = Draw(design, pixels);
  (void)drawn;
}

}  // namespace

// Drawn when first looked up: most runs of the program (the terminal clock,
// a printed face) never show an icon.
const IconResource kHoratickIcon = {"Horatick", kSize, kSize, clockPixels, DrawOnce<kClock, clockPixels>};
const IconResource kHoratickStopwatchIcon = {"HORATICK2", kSize, kSize, stopwatchPixels,
                                            DrawOnce<kStopwatch, stopwatchPixels>};
const IconResource kHoratickAlarmIcon = {"HORATICK3", kSize, kSize, alarmClockPixels,
                                        DrawOnce<kAlarmClock, alarmClockPixels>};
const IconResource kHoratickNightIcon = {"HORATICK4", kSize, kSize, nightClockPixels,
                                        DrawOnce<kNightClock, nightClockPixels>};
