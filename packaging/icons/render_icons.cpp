// Draws the program icon, a round clock face at ten past ten, as SVG and as
// PNG at the sizes the desktop's icon theme asks for. It is the same design
// as the 32 x 32 icon compiled into the program (src/resources/program_icons.cpp):
// a navy rim, a paper face, twelve hour marks, dark hands and a red second
// hand. Built on demand (the target horatick_icon_renderer) and run as
//   horatick_icon_renderer packaging/icons
// to write horatick.svg and hicolor/NxN/apps/horatick.png there, and
// horatick.ico, the Windows executable's icon.
#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kCentre = 16;
constexpr double kRim = 15;
const QColor kNavy(0x1F, 0x3A, 0x5F);
const QColor kPaper(0xFB, 0xF8, 0xF0);
const QColor kInk(0x1E, 0x23, 0x28);
const QColor kSlate(0x5A, 0x64, 0x70);
const QColor kRed(0xD0, 0x31, 0x2D);

// A point at `radius` from the centre towards a clock position given in
// degrees clockwise from twelve.
QPointF OnDial(double degrees, double radius) {
  const double a = degrees * kPi / 180;
  return {kCentre + radius * std::sin(a), kCentre - radius * std::cos(a)};
}

struct Stroke {
  QPointF from;
  QPointF to;
  double width;
  QColor colour;
};

struct Disc {
  double radius;
  QColor colour;
};

// Back to front, in a 32 x 32 box.
std::vector<Disc> Discs() { return {{kRim, kNavy}, {kRim - 2, kPaper}}; }

std::vector<Stroke> Strokes() {
  std::vector<Stroke> strokes;
  for (int hour = 0; hour < 12; ++hour) {
    const bool quarter = hour % 3 == 0;
    strokes.push_back({OnDial(hour * 30.0, quarter ? 8.6 : 9.9), OnDial(hour * 30.0, 11.2), quarter ? 1.9 : 1.2, kSlate});
  }
  strokes.push_back({OnDial(0, 0), OnDial(305, 6.6), 2.5, kInk});
  strokes.push_back({OnDial(0, 0), OnDial(60, 9.8), 1.8, kInk});
  strokes.push_back({OnDial(200, 2.6), OnDial(20, 10.6), 0.9, kRed});
  return strokes;
}

constexpr Disc kHub{1.7, kRed};

QString Number(double value) { return QString::number(value, 'f', 2); }

void WriteSvg(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  QTextStream out(&file);
  out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 32 32\">\n";
  for (const Disc& disc : Discs()) {
    out << "  <circle cx=\"16\" cy=\"16\" r=\"" << Number(disc.radius) << "\" fill=\"" << disc.colour.name() << "\"/>\n";
  }
  for (const Stroke& s : Strokes()) {
    out << "  <line x1=\"" << Number(s.from.x()) << "\" y1=\"" << Number(s.from.y()) << "\" x2=\"" << Number(s.to.x())
        << "\" y2=\"" << Number(s.to.y()) << "\" stroke=\"" << s.colour.name() << "\" stroke-width=\""
        << Number(s.width) << "\" stroke-linecap=\"round\"/>\n";
  }
  out << "  <circle cx=\"16\" cy=\"16\" r=\"" << Number(kHub.radius) << "\" fill=\"" << kHub.colour.name() << "\"/>\n";
  out << "</svg>\n";
}

QImage DrawPng(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 32.0, size / 32.0);
  painter.setPen(Qt::NoPen);
  for (const Disc& disc : Discs()) {
    painter.setBrush(disc.colour);
    painter.drawEllipse(QPointF(kCentre, kCentre), disc.radius, disc.radius);
  }
  for (const Stroke& s : Strokes()) {
    painter.setPen(QPen(s.colour, s.width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(s.from, s.to);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(kHub.colour);
  painter.drawEllipse(QPointF(kCentre, kCentre), kHub.radius, kHub.radius);
  return image;
}

// A Windows icon file holding the drawing at the sizes Windows shows a
// program at, each image stored as PNG (which Windows reads in icon files
// since Vista).
bool WriteIco(const QString& path) {
  const int sizes[] = {16, 20, 24, 32, 40, 48, 64, 256};
  std::vector<QByteArray> images;
  for (int size : sizes) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!DrawPng(size).save(&buffer, "PNG")) return false;
    images.push_back(png);
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QDataStream out(&file);
  out.setByteOrder(QDataStream::LittleEndian);
  const quint16 count = static_cast<quint16>(images.size());
  out << quint16(0) << quint16(1) << count;
  quint32 offset = 6 + 16 * count;
  for (std::size_t i = 0; i < images.size(); ++i) {
    const int size = sizes[i];
    // 256 is written as 0, as the format has it.
    out << quint8(size >= 256 ? 0 : size) << quint8(size >= 256 ? 0 : size) << quint8(0) << quint8(0);
    out << quint16(1) << quint16(32) << quint32(images[i].size()) << offset;
    offset += static_cast<quint32>(images[i].size());
  }
  for (const QByteArray& image : images) out.writeRawData(image.constData(), static_cast<int>(image.size()));
  return out.status() == QDataStream::Ok;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  WriteSvg(folder + "/horatick.svg");
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString sub = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
    QDir().mkpath(sub);
    if (!DrawPng(size).save(sub + "/horatick.png")) return 1;
  }
  return WriteIco(folder + "/horatick.ico") ? 0 : 1;
}
