#include "platform/HeadlessFonts.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace tarn {

namespace {

void DropQtDiagnostics(QtMsgType type, const QMessageLogContext&, const QString& message) {
  // Fatal messages still end the program, with their text.
  if (type == QtFatalMsg) qFatal("%s", qPrintable(message));
}

}  // namespace

void PrepareHeadlessFontSystem() {
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  qInstallMessageHandler(DropQtDiagnostics);
}

}  // namespace tarn
