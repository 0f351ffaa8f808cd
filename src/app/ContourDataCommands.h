// The contour data command: the open dialog, the two readers, and what a load does to the
// titles, the caption, the mesh flag and the display mode.
#pragma once

#include <string>

#include "app/Document.h"
#include "base/TextLines.h"
#include "base/UserInterface.h"

namespace tarn {

inline constexpr const char* kNoStandardDataMessage =
    "データが1つも見当たりません\r\nTab区切りであるかを確認してください";
inline constexpr const char* kNoTableDataMessage = "データが１つも見当たりません";
inline constexpr const char* kTableGuessQuestion =
    "データ形式が表形式だと推測されます\r\nこのままだと読み込めません\r\n表形式として読み込みますか？";

inline constexpr const char* kNoModeMessage =
    "モードが選択されていません\r\n[散布図][メッシュ][等高線]いずれかのボタンを押して\r\nモードを選択して下さい";

// Tool-bar "開く": the scatter table in scatter mode, the contour data on the contour side.
void PreLoadExecute(Document& doc, UserInterface& ui);

// File › データの取り込み › 等高線データ.
void LoadDataExecute(Document& doc, UserInterface& ui);
void LoadStandardDataExecute(Document& doc, UserInterface& ui, const std::string& fileName);
void LoadTableDataExecute(Document& doc, UserInterface& ui, const TextLines& lines);

}  // namespace tarn
