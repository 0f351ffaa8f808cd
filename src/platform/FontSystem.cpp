#include "platform/FontSystem.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

namespace tarn {
namespace {

struct FaceAlias {
  const char16_t* Face;
  const char* Family;
};

// The faces of the platform's Japanese system, by their names as a font dialog gives them.
constexpr FaceAlias kAliases[] = {
    {u"ＭＳ Ｐゴシック", "IPAPGothic"}, {u"ＭＳ ゴシック", "IPAGothic"}, {u"ＭＳ Ｐ明朝", "IPAPMincho"},
    {u"ＭＳ 明朝", "IPAMincho"},        {u"MS PGothic", "IPAPGothic"},  {u"MS Gothic", "IPAGothic"},
    {u"MS PMincho", "IPAPMincho"},      {u"MS Mincho", "IPAMincho"},     {u"MS UI Gothic", "IPAPGothic"},
};

bool Installed(const QString& family) { return QFontDatabase::families().contains(family, Qt::CaseInsensitive); }

QString FallbackFamily() {
  for (const char* family : {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP"}) {
    if (Installed(QString::fromLatin1(family))) return QString::fromLatin1(family);
  }
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont BaseFont(const QString& face, int pixelSize) {
  QFont font(ResolveFamily(face));
  font.setPixelSize(pixelSize > 0 ? pixelSize : 12);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
  font.setKerning(false);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

}  // namespace

void EnsureFontSystem() {
  if (QCoreApplication::instance() != nullptr) return;
  const bool noDisplay = std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr;
  if (noDisplay && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tarnplot";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> application = std::make_unique<QGuiApplication>(argc, argv);
}

QString ResolveFamily(const QString& face) {
  for (const FaceAlias& alias : kAliases) {
    if (face == QString::fromUtf16(alias.Face) && Installed(QString::fromLatin1(alias.Family))) {
      return QString::fromLatin1(alias.Family);
    }
  }
  return Installed(face) ? face : FallbackFamily();
}

QFont MakeQFont(const FontChoice& choice) {
  QFont font = BaseFont(QString::fromStdString(choice.Face), choice.PixelHeight);
  font.setBold(choice.Bold);
  font.setItalic(choice.Italic);
  return font;
}

QFont MakeQFont(const EmfFont& font) {
  const QString face = QString::fromUtf16(font.Face.data(), static_cast<qsizetype>(font.Face.size()));
  QFont out = BaseFont(face, font.Height < 0 ? -font.Height : font.Height);
  out.setBold(font.Weight >= 600);
  out.setItalic(font.Italic);
  return out;
}

}  // namespace tarn
