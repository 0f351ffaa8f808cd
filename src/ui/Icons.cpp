#include "ui/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace tarn {

namespace {

constexpr int kIconSide = 16;

QPixmap Blank(int side) {
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void DrawOpen(QPainter& p) {
  p.setPen(QColor(150, 110, 20));
  p.setBrush(QColor(250, 210, 90));
  p.drawPolygon(QPolygon({{1, 4}, {6, 4}, {7, 6}, {14, 6}, {14, 14}, {1, 14}}));
  p.setBrush(QColor(255, 230, 140));
  p.drawPolygon(QPolygon({{3, 8}, {15, 8}, {13, 14}, {1, 14}}));
}

void DrawScatter(QPainter& p) {
  p.setPen(QColor(60, 60, 60));
  p.drawLine(1, 14, 15, 14);
  p.drawLine(1, 1, 1, 14);
  p.setPen(Qt::NoPen);
  const std::array<QPoint, 5> dots{{{4, 11}, {6, 7}, {9, 9}, {11, 4}, {13, 6}}};
  const std::array<QColor, 2> colours{QColor(200, 40, 40), QColor(40, 80, 200)};
  for (std::size_t i = 0; i < dots.size(); ++i) {
    p.setBrush(colours[i % 2]);
    p.drawEllipse(dots[i], 2, 2);
  }
}

void DrawMeshIcon(QPainter& p) {
  p.setPen(QColor(30, 110, 60));
  const std::array<QPoint, 6> v{{{2, 13}, {8, 14}, {14, 12}, {3, 5}, {9, 7}, {13, 2}}};
  const std::array<std::array<int, 3>, 5> triangles{{{0, 1, 4}, {0, 4, 3}, {1, 2, 4}, {2, 5, 4}, {3, 4, 5}}};
  for (const auto& t : triangles) p.drawPolygon(QPolygon({v[t[0]], v[t[1]], v[t[2]]}));
}

void DrawContour(QPainter& p) {
  const std::array<QColor, 4> bands{QColor(40, 60, 220), QColor(40, 190, 90), QColor(240, 200, 40),
                                    QColor(220, 50, 40)};
  p.setPen(QColor(40, 40, 40));
  for (int i = 0; i < 4; ++i) {
    p.setBrush(bands[static_cast<std::size_t>(i)]);
    const int r = 7 - 2 * i;
    p.drawEllipse(QPoint(8, 8), r, r - 1);
  }
}

void DrawRedraw(QPainter& p) {
  p.setPen(QPen(QColor(20, 120, 40), 2));
  p.drawArc(QRect(2, 2, 12, 12), 60 * 16, 270 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 120, 40));
  p.drawPolygon(QPolygon({{9, 0}, {14, 3}, {9, 6}}));
}

void DrawSave(QPainter& p) {
  p.setPen(QColor(30, 50, 110));
  p.setBrush(QColor(70, 100, 190));
  p.drawRect(1, 1, 13, 13);
  p.setBrush(Qt::white);
  p.drawRect(4, 1, 7, 5);
  p.setBrush(QColor(200, 200, 210));
  p.drawRect(3, 9, 9, 5);
}

}  // namespace

QIcon MakeToolIcon(ToolIcon which) {
  QPixmap pixmap = Blank(kIconSide);
  QPainter p(&pixmap);
  switch (which) {
    case ToolIcon::Open: DrawOpen(p); break;
    case ToolIcon::Scatter: DrawScatter(p); break;
    case ToolIcon::Mesh: DrawMeshIcon(p); break;
    case ToolIcon::Contour:
      p.setRenderHint(QPainter::Antialiasing);
      DrawContour(p);
      break;
    case ToolIcon::Redraw:
      p.setRenderHint(QPainter::Antialiasing);
      DrawRedraw(p);
      break;
    case ToolIcon::Save: DrawSave(p); break;
  }
  return QIcon(pixmap);
}

// Pattern 1: free axes below and left of the plot with outward-facing ticks; pattern 2: a
// frame with a full grid; pattern 3: a frame with short inward ticks on all four sides.
QPixmap MakePatternPicture(int pattern, int side) {
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setPen(Qt::black);
  const int lo = side / 5;
  const int hi = side - side / 8;
  const int ticks = 4;
  const int span = hi - lo;
  if (pattern == 1) {
    p.drawLine(lo, hi + 3, hi, hi + 3);
    p.drawLine(lo - 3, lo, lo - 3, hi);
  } else {
    p.drawRect(lo, lo, span, span);
  }
  for (int i = 0; i <= ticks; ++i) {
    const int at = lo + span * i / ticks;
    if (pattern == 1) {
      p.drawLine(at, hi + 3, at, hi + 1);
      p.drawLine(lo - 3, at, lo - 1, at);
    } else if (pattern == 2) {
      p.setPen(QColor(120, 120, 120));
      p.drawLine(at, lo, at, hi);
      p.drawLine(lo, at, hi, at);
      p.setPen(Qt::black);
    } else {
      const int tick = std::max(2, side / 12);
      p.drawLine(at, hi, at, hi - tick);
      p.drawLine(at, lo, at, lo + tick);
      p.drawLine(lo, at, lo + tick, at);
      p.drawLine(hi, at, hi - tick, at);
    }
  }
  return pixmap;
}

QPixmap MakeAppIcon(int side) {
  QPixmap pixmap = Blank(side);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(side / 16.0, side / 16.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(245, 245, 245));
  p.drawRect(0, 0, 16, 16);
  DrawContour(p);
  return pixmap;
}

}  // namespace tarn
