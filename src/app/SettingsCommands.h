// The settings menu commands: read a settings file into the options, save the options.
#pragma once

#include "app/Document.h"
#include "base/UserInterface.h"

namespace tarn {

// "設定ファイルの読み込み": open dialog, then the file is applied to the options.
void ReadSettingsExecute(Document& doc, UserInterface& ui);
// "設定ファイルの保存": save dialog, then the file is written and SettingsChanged cleared.
void SaveSettingsExecute(Document& doc, UserInterface& ui);

inline constexpr const char* kSaveSettingsQuestion = "設定が変更されています\r\n保存しますか？";

// Closing the main window: with changed settings, the question whether to save them first;
// Yes runs the save command (whose dialog can still be cancelled). The program ends either way.
void CloseMainWindowExecute(Document& doc, UserInterface& ui);

}  // namespace tarn
