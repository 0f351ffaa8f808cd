// The font dialog of the graph text: face and size from the platform's font chooser, bold
// and italic for any face, and the text colour, since the graph font carries its colour; the
// sample shows all of them together.
#pragma once

#include <QColor>
#include <QDialog>
#include <optional>

#include "base/FontChoice.h"

class QCheckBox;
class QFontDialog;
class QLabel;
class QPushButton;

namespace tarn {

class GraphFontDialog : public QDialog {
  Q_OBJECT

 public:
  explicit GraphFontDialog(const FontChoice& initial, QWidget* parent = nullptr);

  FontChoice Chosen() const;
  QFontDialog* Fonts() const { return fonts_; }
  QLabel* Sample() const { return sample_; }
  void SetTextColor(const QColor& color);

  // Runs the dialog; the chosen font, or nothing when it was cancelled.
  static std::optional<FontChoice> Choose(const FontChoice& initial, QWidget* parent);

 private:
  void PickColor();
  QWidget* BuildSample();
  void ShowSample();

  FontChoice initial_;
  QFontDialog* fonts_;
  QPushButton* colorButton_;
  // Many Japanese faces come in one style only; bold and italic are drawn by the font
  // system, so they are offered for every face.
  QCheckBox* bold_;
  QCheckBox* italic_;
  QColor color_;
  // The chooser's own sample knows neither our bold and italic nor the colour; ours replaces it.
  QLabel* sample_ = nullptr;
};

}  // namespace tarn
