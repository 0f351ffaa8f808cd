// The font dialog of the graph text: face and size from the platform's font chooser, bold
// and italic for any face, and the text colour, since the graph font carries its colour.
#pragma once

#include <QColor>
#include <QDialog>
#include <optional>

#include "base/FontSpec.h"

class QCheckBox;
class QFontDialog;
class QPushButton;

namespace tarn {

class GraphFontDialog : public QDialog {
  Q_OBJECT

 public:
  explicit GraphFontDialog(const FontSpec& initial, QWidget* parent = nullptr);

  FontSpec Chosen() const;
  QFontDialog* Fonts() const { return fonts_; }
  void SetTextColor(const QColor& color);

  // Runs the dialog; the chosen font, or nothing when it was cancelled.
  static std::optional<FontSpec> Choose(const FontSpec& initial, QWidget* parent);

 private:
  void PickColor();

  FontSpec initial_;
  QFontDialog* fonts_;
  QPushButton* colorButton_;
  // Many Japanese faces come in one style only; bold and italic are drawn by the font
  // system, so they are offered for every face.
  QCheckBox* bold_;
  QCheckBox* italic_;
  QColor color_;
};

}  // namespace tarn
