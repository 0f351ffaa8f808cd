// The picture save command: the recorded metafile as EMF or placeable WMF, a raster played from
// it as BMP, PNG or JPEG, or EPS lines made by the converter, chosen by the text after the file
// name's last ".".
#pragma once

#include <optional>
#include <string>

#include "app/Document.h"
#include "app/PlatformServices.h"
#include "base/UserInterface.h"

namespace tarn {

inline constexpr const char* kNotDrawnMessage = "まだグラフを作成していません";
inline constexpr const char* kUnknownExtensionMessage = "扱える拡張子タイプではありません";
inline constexpr const char* kPictureFilter =
    "すべての画像ファイル (*.jpg;*.jpeg;*.bmp;*.emf;*.wmf:*.png)|*.jpg;*.jpeg;*.bmp;*.emf;*.png;*.eps|"
    "ビットマップファイル (*.bmp)|*.bmp|JPEG イメージファイル (*.jpg)|*.jpg|"
    "エンハンス メタファイル (*.emf)|*.emf|PNG イメージファイル(*.png)|*.png|EPS イメージファイル(*.eps)|*.eps";

inline constexpr const char* kEpsColorQuestion = "EPS出力オプション：\r\nカラーで出力しますか？";

// How the converter writes an EPS picture.
struct EpsChoice {
  bool Gray = false;
  bool Vector = false;
};

// Tool-bar "保存"; an ".eps" name asks whether to write colour.
void SaveImageExecute(Document& doc, UserInterface& ui, PlatformServices& platform);

// Writes the current picture to `fileName` in the format its extension names, without the
// dialog and the overwrite question; an ".eps" name asks for colour unless `eps` is given.
void WritePictureFile(const Document& doc, UserInterface& ui, PlatformServices& platform,
                      const std::string& fileName, const std::optional<EpsChoice>& eps = std::nullopt);

// The same save, always as EPS, with the colour and vector choices given instead of asked.
void SaveEpsExecute(Document& doc, UserInterface& ui, PlatformServices& platform, EpsChoice choice);

// The text after the last "." of the whole name, ASCII letters upper-cased; "" without one.
std::string PictureExtension(const std::string& fileName);

}  // namespace tarn
