// The About box: program name and version, the project page as a link opened in the
// desktop's browser, and the warning lines; "OK" hides it.
#pragma once

#include <QDialog>

class QLabel;

namespace tarn {

inline constexpr const char* kProjectPage = "https://tarnplot.example.org/";

class VersionDialog : public QDialog {
  Q_OBJECT

 public:
  explicit VersionDialog(QWidget* parent = nullptr);

  QLabel* Link() const { return link_; }

 private:
  QLabel* link_;
};

}  // namespace tarn
