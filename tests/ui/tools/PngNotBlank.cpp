// png_not_blank FILE...: exits 0 when every file is a picture of at least 100 x 60 pixels
// that shows something: many colours, and no single colour covering nearly all of it.
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <iostream>

namespace {

bool ShowsSomething(const QString& path) {
  const QImage image(path);
  if (image.isNull() || image.width() < 100 || image.height() < 60) {
    std::cerr << path.toStdString() << ": missing or too small\n";
    return false;
  }
  QHash<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
  }
  int largest = 0;
  for (int count : counts) largest = std::max(largest, count);
  const double share = static_cast<double>(largest) / (image.width() * image.height());
  const bool ok = counts.size() >= 16 && share < 0.97;
  std::cerr << path.toStdString() << ": " << counts.size() << " colours, the commonest covers "
            << static_cast<int>(share * 100) << "%" << (ok ? "" : " - blank") << '\n';
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::cerr << "usage: png_not_blank FILE...\n";
    return 2;
  }
  bool ok = true;
  for (int i = 1; i < argc; ++i) ok = ShowsSomething(QString::fromLocal8Bit(argv[i])) && ok;
  return ok ? 0 : 1;
}
