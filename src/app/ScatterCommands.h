// The scatter road: loading the table from a file or the clipboard, the scatter picture, and
// the click that places its legend.
#pragma once

#include <string>

#include "app/Document.h"
#include "base/UserInterface.h"
#include "canvas/Canvas.h"

namespace tarn {

inline constexpr const char* kClipboardCaption = "Tarnplot - クリップボードから読み込んだデータ";

// The open dialog for a scatter table; on OK the table (and, with automatic series, the
// series) is replaced and the caption names the file. Also the tool-bar 開く in scatter mode.
void LoadSanpudataExecute(Document& doc, UserInterface& ui);
// File › データの取り込み › 散布図データ: the load, then scatter mode.
void ScatterDataMenuExecute(Document& doc, UserInterface& ui);
// "クリップボードから貼り付け": the clipboard's text as the table.
void LoadFromCPExecute(Document& doc, UserInterface& ui);

// The scatter picture. With the legend on, it ends waiting for the click that places the
// legend (LegendPending), unless that click started it.
void SanpReDrawExecute(Document& doc, UserInterface& ui, FontMetrics& metrics);

// A mouse button pressed on the picture at (x, y): while the legend waits, it is placed there
// and the picture drawn again with it; otherwise nothing happens.
void GraphImageMouseDown(Document& doc, UserInterface& ui, FontMetrics& metrics, int x, int y);

}  // namespace tarn
