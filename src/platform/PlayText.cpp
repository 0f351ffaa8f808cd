// Text records: the text cell is laid out as the platform lays it out (top-left reference,
// each character at its recorded advance), turned by the font's escapement, drawn without
// antialiasing into a small layer by Qt's raster engine and copied onto the bitmap.
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <numeric>

#include "canvas/CanvasObjects.h"
#include "canvas/EmfFormat.h"
#include "platform/FontSystem.h"
#include "platform/Playback.h"

namespace tarn {
namespace {

QColor ToQColor(Color color) {
  return QColor(static_cast<int>(RedOf(color)), static_cast<int>(GreenOf(color)), static_cast<int>(BlueOf(color)));
}

// Advances as recorded, or the font's own when the record carries none.
std::vector<int> AdvancesOf(const EmfText& text, const QFontMetrics& metrics) {
  std::vector<int> advances(text.Advances.begin(), text.Advances.end());
  if (advances.size() == text.Text.size()) return advances;
  advances.assign(text.Text.size(), 0);
  for (std::size_t i = 0; i < text.Text.size(); ++i) {
    advances[i] = metrics.horizontalAdvance(QString::fromUtf16(text.Text.data() + i, 1));
  }
  return advances;
}

void DrawGlyphs(QPainter& painter, const EmfText& text, const std::vector<int>& advances, int ascent) {
  double x = 0;
  for (std::size_t i = 0; i < text.Text.size(); ++i) {
    const bool pair = text.Text[i] >= 0xD800 && text.Text[i] <= 0xDBFF && i + 1 < text.Text.size();
    painter.drawText(QPointF(x, ascent), QString::fromUtf16(text.Text.data() + i, pair ? 2 : 1));
    x += advances[i] + (pair ? advances[i + 1] : 0);
    if (pair) ++i;
  }
}

// Copies the layer's opaque pixels; without antialiasing every pixel is fully in or out.
void CopyLayer(const QImage& layer, int left, int top, Bitmap24& bitmap) {
  for (int y = 0; y < layer.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
    for (int x = 0; x < layer.width(); ++x) {
      if (qAlpha(row[x]) < 128) continue;
      bitmap.SetPixel(left + x, top + y, MakeColor(static_cast<unsigned>(qRed(row[x])), static_cast<unsigned>(qGreen(row[x])),
                                                   static_cast<unsigned>(qBlue(row[x]))));
    }
  }
}

}  // namespace

void Playback::Text(const EmfRecord& record) {
  const EmfText text = ReadTextOut(record);
  if (text.Text.empty()) return;
  const QFont font = font_ ? font_->QtFont : MakeQFont(FontChoice{});
  const int escapement = font_ ? font_->Font.Escapement : 0;
  const QFontMetrics metrics(font);
  const std::vector<int> advances = AdvancesOf(text, metrics);
  const int width = std::accumulate(advances.begin(), advances.end(), 0);
  const PixelBox box = TurnedTextBox(text.Reference, width, metrics.height(), escapement);
  // Only the part of the turned cell that lies on the bitmap, with a pixel to spare.
  const int left = std::max(box.Left - 1, 0), top = std::max(box.Top - 1, 0);
  const int right = std::min(box.Right + 1, target_.Width() - 1), bottom = std::min(box.Bottom + 1, target_.Height() - 1);
  if (left > right || top > bottom) return;
  QImage layer(right - left + 1, bottom - top + 1, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  QPainter painter(&layer);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing, false);
  painter.translate(text.Reference.X - left, text.Reference.Y - top);
  painter.rotate(-escapement / 10.0);
  if (bkMode_ == emf::kBkOpaque) painter.fillRect(QRect(0, 0, width, metrics.height()), ToQColor(bkColor_));
  painter.setFont(font);
  painter.setPen(ToQColor(textColor_));
  DrawGlyphs(painter, text, advances, metrics.ascent());
  painter.end();
  CopyLayer(layer, left, top, target_.Bitmap());
}

}  // namespace tarn
