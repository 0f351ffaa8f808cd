#include "app/SaveImage.h"

#include "base/AsciiCase.h"
#include "base/SplitText.h"
#include "base/TextFile.h"
#include "export/EpsConverter.h"
#include "export/PlaceableWmf.h"
#include "export/RasterEncoders.h"

namespace tarn {

namespace {

std::string OverwriteQuestion(const std::string& fileName) {
  return "ファイル：" + fileName + "\r\nは既に存在します。上書きしますか？";
}

// BMP, PNG and JPEG are made from the picture played onto a bitmap of its own size.
void SaveRaster(const Document& doc, UserInterface& ui, PlatformServices& platform, const std::string& fileName,
                const std::string& extension) {
  const Bitmap24 raster = platform.RenderPicture(doc.Picture);
  if (extension == "BMP") {
    WriteFileAtomically(fileName, EncodeBmp(raster));
  } else if (extension == "PNG") {
    WriteFileAtomically(fileName, EncodePng(raster));
  } else if (extension == "JPG" || extension == "JPEG") {
    WriteFileAtomically(fileName, EncodeJpeg(raster));
  } else {
    ui.ShowMessage(MessageKind::Warning, kUnknownExtensionMessage);
  }
}

void SaveEps(const Document& doc, PlatformServices& platform, const std::string& fileName, EpsChoice choice) {
  Tepsf converter(platform.RenderPicture);
  converter.ConvertMetafile(doc.Picture, choice.Gray, choice.Vector);
  WriteTextLines(fileName, converter.OutLines);
}

// The steps every save takes first: a picture must exist, the dialog gives the name, an
// existing file is replaced only when the person agrees.
std::optional<std::string> ChooseTarget(const Document& doc, UserInterface& ui) {
  if (!doc.GraphDrawn || doc.Picture.empty()) {
    ui.ShowMessage(MessageKind::Warning, kNotDrawnMessage);
    return std::nullopt;
  }
  const auto fileName = ui.ChooseFileToSave({"画像の保存", kPictureFilter, "emf"});
  if (!fileName) return std::nullopt;
  if (FileExists(*fileName) && !ui.Ask(OverwriteQuestion(*fileName))) return std::nullopt;
  return fileName;
}

}  // namespace

std::string PictureExtension(const std::string& fileName) {
  std::vector<std::string> fields;
  if (SplitText(fileName, '.', fields) < 2) return "";
  return UpperAscii(fields.back());
}

void WritePictureFile(const Document& doc, UserInterface& ui, PlatformServices& platform,
                      const std::string& fileName, const std::optional<EpsChoice>& eps) {
  const std::string extension = PictureExtension(fileName);
  if (extension == "WMF" || extension == "EMF") {
    // The lower-cased text from the last point decides the bytes.
    const bool placeable = LowerAscii(fileName.substr(fileName.rfind('.'))) == ".wmf";
    if (placeable) {
      WriteFileAtomically(fileName, ConvertToPlaceableWmf(doc.Picture));
    } else {
      WriteFileAtomically(fileName, doc.Picture);  // the recorded bytes as they are, not a copy
    }
  } else if (extension == "EPS") {
    const EpsChoice choice = eps ? *eps : EpsChoice{!ui.Ask(kEpsColorQuestion), false};
    SaveEps(doc, platform, fileName, choice);
  } else {
    SaveRaster(doc, ui, platform, fileName, extension);
  }
}

void SaveImageExecute(Document& doc, UserInterface& ui, PlatformServices& platform) {
  if (const auto fileName = ChooseTarget(doc, ui)) WritePictureFile(doc, ui, platform, *fileName);
}

void SaveEpsExecute(Document& doc, UserInterface& ui, PlatformServices& platform, EpsChoice choice) {
  const auto fileName = ChooseTarget(doc, ui);
  if (fileName) SaveEps(doc, platform, *fileName, choice);
}

}  // namespace tarn
