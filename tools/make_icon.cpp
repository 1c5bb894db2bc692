// Draws the application icon: two cards fanned over the green table, the front one with a heart,
// and the game's cyan arrow beside them. The same shapes are written as a scalable SVG and painted
// into PNGs of the sizes a desktop's icon theme asks for:
//
//   make_icon DIR   ->  DIR/tomaruk.svg, DIR/tomaruk-16.png ... DIR/tomaruk-256.png
//
// Run by hand; its output under assets/icon is committed.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>
#include <vector>

namespace {

// One filled (and optionally outlined) shape on the 256 x 256 canvas.
struct Shape {
  QPainterPath path;
  QColor fill;
  QColor stroke;  // invalid: no outline
  double width = 0;
};

QPainterPath RoundedRect(double x, double y, double w, double h, double r) {
  QPainterPath p;
  p.addRoundedRect(QRectF(x, y, w, h), r, r);
  return p;
}

// A card of 104 x 148 centred on (cx, cy), turned by deg degrees.
QTransform CardAt(double cx, double cy, double deg) {
  QTransform t;
  t.translate(cx, cy);
  t.rotate(deg);
  t.translate(-52, -74);
  return t;
}

QPainterPath Heart(double cx, double cy, double s) {
  QPainterPath p;
  p.moveTo(cx, cy + 0.42 * s);
  p.cubicTo(cx - 0.62 * s, cy - 0.02 * s, cx - 0.42 * s, cy - 0.62 * s, cx, cy - 0.28 * s);
  p.cubicTo(cx + 0.42 * s, cy - 0.62 * s, cx + 0.62 * s, cy - 0.02 * s, cx, cy + 0.42 * s);
  p.closeSubpath();
  return p;
}

// The upward arrow of the game's revolution icon, scaled from its 32-pixel cell.
QPainterPath UpArrow(double x, double y, double k) {
  const double pts[][2] = {{16, 2}, {29, 15}, {21.5, 15}, {21.5, 29.5}, {10.5, 29.5}, {10.5, 15}, {3, 15}};
  QPainterPath p;
  p.moveTo(x + pts[0][0] * k, y + pts[0][1] * k);
  for (int i = 1; i < 7; ++i) p.lineTo(x + pts[i][0] * k, y + pts[i][1] * k);
  p.closeSubpath();
  return p;
}

std::vector<Shape> Icon() {
  std::vector<Shape> s;
  s.push_back({RoundedRect(12, 12, 232, 232, 44), QColor("#0b7d2a"), QColor("#06561c"), 8});
  const QTransform back = CardAt(104, 134, -16), front = CardAt(146, 138, 10);
  s.push_back({back.map(RoundedRect(0, 0, 104, 148, 12)), QColor("#ffffff"), QColor("#222222"), 5});
  s.push_back({back.map(RoundedRect(10, 10, 84, 128, 6)), QColor("#b3202a"), QColor(), 0});
  s.push_back({front.map(RoundedRect(0, 0, 104, 148, 12)), QColor("#ffffff"), QColor("#222222"), 5});
  s.push_back({front.map(Heart(52, 78, 84)), QColor("#d81e2c"), QColor(), 0});
  s.push_back({front.map(Heart(20, 24, 22)), QColor("#d81e2c"), QColor(), 0});
  s.push_back({UpArrow(168, 18, 2.2), QColor("#00ffff"), QColor("#0a4a5a"), 5});
  return s;
}

QString Number(double v) { return QString::number(v, 'f', 2).remove(QRegularExpression("\\.?0+$")); }

// The path in SVG's words: moves, lines and cubic curves, each figure closed.
QString PathData(const QPainterPath& path) {
  QStringList d;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.isMoveTo()) {
      if (i > 0) d << "Z";
      d << "M" + Number(e.x) + "," + Number(e.y);
    } else if (e.isLineTo()) {
      d << "L" + Number(e.x) + "," + Number(e.y);
    } else if (e.isCurveTo()) {
      const QPainterPath::Element c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
      d << "C" + Number(e.x) + "," + Number(e.y) + " " + Number(c2.x) + "," + Number(c2.y) + " " +
               Number(end.x) + "," + Number(end.y);
      i += 2;
    }
  }
  d << "Z";
  return d.join(' ');
}

bool WriteSvg(const std::vector<Shape>& shapes, const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QTextStream out(&f);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n";
  for (const Shape& s : shapes) {
    out << "  <path fill=\"" << s.fill.name() << "\" fill-rule=\"evenodd\"";
    if (s.stroke.isValid())
      out << " stroke=\"" << s.stroke.name() << "\" stroke-width=\"" << Number(s.width)
          << "\" stroke-linejoin=\"round\"";
    out << " d=\"" << PathData(s.path) << "\"/>\n";
  }
  out << "</svg>\n";
  return out.status() == QTextStream::Ok;
}

QImage Paint(const std::vector<Shape>& shapes, int size) {
  QImage img(size, size, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 256.0, size / 256.0);
  for (const Shape& s : shapes) {
    QPainterPath path = s.path;
    path.setFillRule(Qt::OddEvenFill);
    p.fillPath(path, s.fill);
    if (s.stroke.isValid())
      p.strokePath(path, QPen(s.stroke, s.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon DIR\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  const std::vector<Shape> shapes = Icon();
  bool ok = WriteSvg(shapes, dir.filePath("tomaruk.svg"));
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    ok = Paint(shapes, size).save(dir.filePath(QString("tomaruk-%1.png").arg(size))) && ok;
  if (!ok) std::fprintf(stderr, "make_icon: cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
