// The options dialog's buttons that do more than set one control: "変更" beside a colour
// shape (through the colour dialog) and "初期設定に戻す".
#pragma once

#include "app/Document.h"
#include "base/UserInterface.h"

namespace tarn {

void ChangeColorExecute(Document& doc, UserInterface& ui, OptionColor which);
void ResetOptionsExecute(Document& doc);

}  // namespace tarn
