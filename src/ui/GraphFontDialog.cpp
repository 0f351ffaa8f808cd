#include "ui/GraphFontDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "platform/FontSystem.h"

namespace tarn {

namespace {

// The chooser lists point sizes; the graph font is measured in pixels.
double PixelsToPoints(int pixels, const QWidget& widget) { return pixels * 72.0 / widget.logicalDpiY(); }

QFont StartFont(const FontChoice& choice, const QWidget& widget) {
  QFont font(ResolveFamily(QString::fromStdString(choice.Face)));
  font.setPointSizeF(PixelsToPoints(choice.PixelHeight, widget));
  font.setBold(choice.Bold);
  font.setItalic(choice.Italic);
  return font;
}

QIcon Swatch(const QColor& color) {
  QPixmap pixmap(28, 14);
  pixmap.fill(color);
  QPainter painter(&pixmap);
  painter.setPen(Qt::black);
  painter.drawRect(0, 0, 27, 13);
  return QIcon(pixmap);
}

// The chooser's sample: the group that holds its one line edit.
void HideChooserSample(QFontDialog& fonts) {
  for (QGroupBox* group : fonts.findChildren<QGroupBox*>()) {
    if (group->findChild<QLineEdit*>()) group->hide();
  }
}

}  // namespace

GraphFontDialog::GraphFontDialog(const FontChoice& initial, QWidget* parent)
    : QDialog(parent),
      initial_(initial),
      fonts_(new QFontDialog(this)),
      colorButton_(new QPushButton("変更", this)),
      bold_(new QCheckBox("太字", this)),
      italic_(new QCheckBox("斜体", this)) {
  setObjectName("FontForGraph");
  setWindowTitle("フォント");
  // The chooser is embedded as a page of this dialog, with our buttons below it.
  fonts_->setWindowFlags(Qt::Widget);
  fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  fonts_->setCurrentFont(StartFont(initial, *this));
  bold_->setObjectName("BoldCheck");
  italic_->setObjectName("ItalicCheck");
  bold_->setChecked(initial.Bold);
  italic_->setChecked(initial.Italic);
  // A face's own bold or italic style, picked in the chooser, ticks the box.
  connect(fonts_, &QFontDialog::currentFontChanged, this, [this](const QFont& font) {
    if (font.bold()) bold_->setChecked(true);
    if (font.italic()) italic_->setChecked(true);
    ShowSample();
  });
  connect(bold_, &QCheckBox::toggled, this, &GraphFontDialog::ShowSample);
  connect(italic_, &QCheckBox::toggled, this, &GraphFontDialog::ShowSample);
  colorButton_->setObjectName("ColorButton");
  colorButton_->setAutoDefault(false);
  connect(colorButton_, &QPushButton::clicked, this, &GraphFontDialog::PickColor);
  SetTextColor(QColor(RedOf(initial.TextColor), GreenOf(initial.TextColor), BlueOf(initial.TextColor)));

  auto* colorRow = new QHBoxLayout;
  colorRow->addWidget(bold_);
  colorRow->addWidget(italic_);
  colorRow->addSpacing(20);
  colorRow->addWidget(new QLabel("色", this));
  colorRow->addWidget(colorButton_);
  colorRow->addStretch(1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fonts_);
  layout->addLayout(colorRow);
  layout->addWidget(BuildSample());
  layout->addWidget(buttons);
  ShowSample();
}

QWidget* GraphFontDialog::BuildSample() {
  HideChooserSample(*fonts_);
  auto* group = new QGroupBox("見本", this);
  sample_ = new QLabel("AaBbYyZz　あア亜123", group);
  sample_->setObjectName("FontSample");
  sample_->setAlignment(Qt::AlignCenter);
  sample_->setMinimumHeight(48);
  sample_->setAutoFillBackground(true);
  auto* box = new QVBoxLayout(group);
  box->addWidget(sample_);
  return group;
}

void GraphFontDialog::ShowSample() {
  if (!sample_) return;
  QFont font = fonts_->currentFont();
  font.setBold(bold_->isChecked());
  font.setItalic(italic_->isChecked());
  sample_->setFont(font);
  QPalette palette = sample_->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, color_);
  sample_->setPalette(palette);
}

void GraphFontDialog::SetTextColor(const QColor& color) {
  color_ = color;
  colorButton_->setIcon(Swatch(color));
  ShowSample();
}

void GraphFontDialog::PickColor() {
  const QColor picked = QColorDialog::getColor(color_, this);
  if (picked.isValid()) SetTextColor(picked);
}

FontChoice GraphFontDialog::Chosen() const {
  const QFont font = fonts_->currentFont();
  FontChoice choice = initial_;
  choice.Face = font.family().toStdString();
  choice.PixelHeight = font.pixelSize() > 0 ? font.pixelSize()
                                          : static_cast<int>(std::lround(font.pointSizeF() * logicalDpiY() / 72.0));
  choice.Bold = bold_->isChecked();
  choice.Italic = italic_->isChecked();
  choice.TextColor = MakeColor(static_cast<unsigned>(color_.red()), static_cast<unsigned>(color_.green()),
                             static_cast<unsigned>(color_.blue()));
  return choice;
}

std::optional<FontChoice> GraphFontDialog::Choose(const FontChoice& initial, QWidget* parent) {
  GraphFontDialog dialog(initial, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Chosen();
}

}  // namespace tarn
