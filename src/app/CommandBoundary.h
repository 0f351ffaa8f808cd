// Where a command's errors end: a failure that the command does not handle itself is shown
// as the general error report, and the program goes on; what was already done stays done.
#pragma once

#include <functional>

#include "app/Document.h"
#include "base/UserInterface.h"

namespace tarn {

// Runs `command`; returns false after reporting an error.
bool RunCommand(UserInterface& ui, const std::function<void()>& command);

// Commands that would change the point set or the mesh refuse while a long operation
// pumps messages; true (after telling the person) when the command must not run.
bool RefuseWhileBusy(const Document& doc, UserInterface& ui);

// The answer of a command whose work this version does not do yet.
inline constexpr const char* kNotAvailableYetMessage = "この機能はまだ使えません";

inline constexpr const char* kBusyMessage = "処理中です\r\n終了するか中断してから実行してください";

}  // namespace tarn
