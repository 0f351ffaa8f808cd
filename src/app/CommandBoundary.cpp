#include "app/CommandBoundary.h"

#include <exception>
#include <new>

#include "base/Errors.h"

namespace tarn {

bool RunCommand(UserInterface& ui, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const TarnError& error) {
    ui.ShowError(error.what(), error.Where());
  } catch (const std::bad_alloc&) {
    ui.ShowMessage(MessageKind::Error, "メモリが不足しています");
  } catch (const std::exception& error) {
    ui.ShowMessage(MessageKind::Error, error.what());
  }
  return false;
}

bool RefuseWhileBusy(const Document& doc, UserInterface& ui) {
  if (!doc.Busy()) return false;
  ui.ShowMessage(MessageKind::Warning, kBusyMessage);
  return true;
}

}  // namespace tarn
