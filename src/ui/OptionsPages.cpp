// The five pages of the options dialog and their groups, with the captions, notes and hints
// the person reads.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/OptionsDialog.h"

#include "app/Document.h"
#include "app/SaveImage.h"

namespace tarn {

namespace {

QWidget* Page(std::initializer_list<QWidget*> groups) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  for (QWidget* group : groups) layout->addWidget(group);
  layout->addStretch(1);
  return page;
}

QGroupBox* Group(const QString& caption, QLayout* layout) {
  auto* group = new QGroupBox(caption);
  group->setLayout(layout);
  return group;
}

// A smaller grey note under a radio button.
QLabel* Note(const QString& text) {
  auto* note = new QLabel(text);
  note->setContentsMargins(22, 0, 0, 4);
  QPalette palette = note->palette();
  palette.setColor(QPalette::WindowText, QColor(90, 90, 90));
  note->setPalette(palette);
  return note;
}

// A sketch of a data file, in columns.
QLabel* Sketch(const QString& text) {
  auto* sketch = new QLabel(text);
  sketch->setTextFormat(Qt::RichText);
  sketch->setContentsMargins(22, 0, 0, 6);
  return sketch;
}

QLineEdit* Narrow(QLineEdit* edit, int width = 110) {
  edit->setFixedWidth(width);
  return edit;
}

}  // namespace

QWidget* OptionsDialog::BuildAxesPage() { return Page({BuildTitlesGroup(), BuildRangesGroup(), BuildStepsGroup()}); }

QGroupBox* OptionsDialog::BuildTitlesGroup() {
  auto* grid = new QGridLayout;
  grid->addWidget(MakeCheck(OptionCheck::ShowXTitle, "ShowXTitle", "X"), 0, 0);
  grid->addWidget(MakeEdit(OptionEdit::XTitleBox, "XTitleBox"), 0, 1);
  grid->addWidget(MakeCheck(OptionCheck::ShowYTitle, "ShowYTitle", "Y"), 1, 0);
  grid->addWidget(MakeEdit(OptionEdit::YTitleBox, "YTitleBox"), 1, 1);
  grid->addWidget(MakeCheck(OptionCheck::ShowValueTitle, "ShowValueTitle", "Value"), 2, 0);
  grid->addWidget(MakeEdit(OptionEdit::ValueTitleBox, "ValueTitleBox"), 2, 1);
  return Group("タイトル(の表示)", grid);
}

QGroupBox* OptionsDialog::BuildRangesGroup() {
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Minimum"), 0, 1);
  grid->addWidget(new QLabel("Maximum"), 0, 2);
  grid->addWidget(new QLabel("X"), 1, 0);
  grid->addWidget(Narrow(MakeEdit(OptionEdit::XMinBox, "XMinBox")), 1, 1);
  grid->addWidget(Narrow(MakeEdit(OptionEdit::XMaxBox, "XMaxBox")), 1, 2);
  grid->addWidget(MakeCheck(OptionCheck::XMMAuto, "XMMAuto", "自動"), 1, 3);
  grid->addWidget(new QLabel("Y"), 2, 0);
  grid->addWidget(Narrow(MakeEdit(OptionEdit::YminBox, "YminBox")), 2, 1);
  grid->addWidget(Narrow(MakeEdit(OptionEdit::YMaxBox, "YMaxBox")), 2, 2);
  grid->addWidget(MakeCheck(OptionCheck::YMMAuto, "YMMAuto", "自動"), 2, 3);
  grid->setColumnStretch(4, 1);
  return Group("最小値と最大値", grid);
}

QGroupBox* OptionsDialog::BuildStepsGroup() {
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("X"), 0, 0);
  grid->addWidget(Narrow(MakeEdit(OptionEdit::XStepBox, "XStepBox")), 0, 1);
  grid->addWidget(MakeCheck(OptionCheck::XStepAuto, "XStepAuto", "自動"), 0, 2);
  grid->addWidget(new QLabel("Y"), 1, 0);
  grid->addWidget(Narrow(MakeEdit(OptionEdit::YStepBox, "YStepBox")), 1, 1);
  grid->addWidget(MakeCheck(OptionCheck::YStepAuto, "YStepAuto", "自動"), 1, 2);
  grid->setColumnStretch(3, 1);
  return Group("目盛りの刻み幅", grid);
}

QWidget* OptionsDialog::BuildContourPage() {
  colorScheme_ = MakeRadioGroup([this](int i) { model_.ChooseColorScheme(static_cast<ColorScheme>(i)); });
  auto* schemes = new QVBoxLayout;
  schemes->addWidget(MakeRadio(colorScheme_, 0, "RainbowColor", "カラー１（虹色）"));
  schemes->addWidget(MakeRadio(colorScheme_, 1, "GrayColor", "グレイスケール"));
  schemes->addWidget(MakeRadio(colorScheme_, 2, "ContrastColor", "カラー２（コントラスト）"));
  return Page({BuildFillGroup(), BuildLevelsGroup(), Group("配色", schemes)});
}

QGroupBox* OptionsDialog::BuildFillGroup() {
  fillStyle_ = MakeRadioGroup([this](int i) { model_.ChooseFillStyle(static_cast<FillStyle>(i)); });
  auto* fill = new QVBoxLayout;
  fill->setSpacing(2);
  fill->addWidget(MakeRadio(fillStyle_, 0, "PaintBitMapContour", "画素ごとに補完して塗る"));
  fill->addWidget(Note("(メタで保存する場合拡大には適しません)"));
  fill->addWidget(MakeRadio(fillStyle_, 1, "PaintMetaContour", "等高線をもとに塗り分ける"));
  fill->addWidget(Note("(メタで保存すると拡大にも耐え得ます)"));
  fill->addWidget(MakeRadio(fillStyle_, 2, "NotPaint", "塗らない（線のみ）"));
  return Group("塗り分け", fill);
}

QGroupBox* OptionsDialog::BuildLevelsGroup() {
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("最小値"), 0, 0);
  grid->addWidget(Narrow(MakeEdit(OptionEdit::ValueMinBox, "ValueMinBox")), 0, 1);
  grid->addWidget(new QLabel("最大値"), 1, 0);
  grid->addWidget(Narrow(MakeEdit(OptionEdit::ValueMaxBox, "ValueMaxBox")), 1, 1);
  grid->addWidget(MakeCheck(OptionCheck::ValueMMAuto, "ValueMMAuto", "自動"), 0, 2, 2, 1);
  grid->addWidget(new QLabel("刻み幅"), 2, 0);
  grid->addWidget(Narrow(MakeEdit(OptionEdit::ValueStepBox, "ValueStepBox")), 2, 1);
  grid->addWidget(MakeCheck(OptionCheck::ValueStepAuto, "ValueStepAuto", "自動"), 2, 2);
  grid->addWidget(MakeCheck(OptionCheck::ShowLine, "ShowLine", "線の表示"), 3, 0, 1, 2);
  grid->addWidget(MakeLineColorBox(), 3, 2);
  grid->setColumnStretch(3, 1);
  return Group("等高線", grid);
}

QWidget* OptionsDialog::BuildScatterPage() {
  scatterColors_ = MakeRadioGroup([this](int i) { model_.ChooseScatterColors(static_cast<ScatterColors>(i)); });
  auto* colours = new QVBoxLayout;
  colours->addWidget(MakeRadio(scatterColors_, 0, "WBColor", "白黒"));
  colours->addWidget(MakeRadio(scatterColors_, 1, "StdColor", "スタンダード"));
  colours->addWidget(MakeRadio(scatterColors_, 2, "GradColor", "グラデーション"));

  auto* details = new QPushButton("散布図の詳細設定");
  details->setObjectName("Button2");
  details->setAutoDefault(false);
  connect(details, &QPushButton::clicked, this, &OptionsDialog::ShowSanpuRequested);

  return Page({MakeCheck(OptionCheck::MakeLegendCheck, "MakeLegendCheck", "レジェンドを表示する"),
               Group("基本配色", colours),
               MakeCheck(OptionCheck::AutoSetCheck, "AutoSetCheck", "散布図の設定をデータロードの度に\n自動作成しなおす"),
               details});
}

QWidget* OptionsDialog::BuildPaperPage() { return Page({BuildSizeGroup(), BuildColorsGroup(), BuildPatternGroup()}); }

QGroupBox* OptionsDialog::BuildSizeGroup() {
  pictureSize_ = MakeRadioGroup([this](int i) { model_.ChoosePictureSize(static_cast<PictureSize>(i)); });
  auto* grid = new QGridLayout;
  QRadioButton* half = MakeRadio(pictureSize_, 0, "Size275275", "275×275 [pixel]");
  half->setToolTip("A4に２枚横に並べるのに適します");
  QRadioButton* wide = MakeRadio(pictureSize_, 1, "Size550275", "550×275 [pixel]");
  wide->setToolTip("A4に１枚横に並べるのに適します");
  QRadioButton* custom = MakeRadio(pictureSize_, 2, "SizeCustom", "カスタム");
  custom->setToolTip("手動で大きさを設定します");
  grid->addWidget(half, 0, 0, 1, 4);
  grid->addWidget(wide, 1, 0, 1, 4);
  grid->addWidget(custom, 2, 0);
  grid->addWidget(new QLabel("手動で大きさを設定します"), 2, 1, 1, 3);
  QLineEdit* width = Narrow(MakeEdit(OptionEdit::ImageWidth, "ImageWidth"), 60);
  QLineEdit* height = Narrow(MakeEdit(OptionEdit::ImageHeight, "ImageHeight"), 60);
  for (QLineEdit* edit : {width, height}) {
    connect(edit, &QLineEdit::returnPressed, this, &OptionsDialog::SizingImageRequested);
  }
  grid->addWidget(new QLabel("Width"), 3, 0, Qt::AlignRight);
  grid->addWidget(width, 3, 1);
  grid->addWidget(new QLabel("× Height"), 3, 2);
  grid->addWidget(height, 3, 3);
  grid->setColumnStretch(4, 1);
  return Group("サイズの選択", grid);
}

QGroupBox* OptionsDialog::BuildColorsGroup() {
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("背景色"), 0, 0);
  grid->addWidget(MakeColorShape(OptionColor::BKCOLOR, "BKCOLOR"), 0, 1);
  grid->addWidget(MakeColorButton(OptionColor::BKCOLOR, "BacKColorButton"), 0, 2);
  grid->addWidget(new QLabel("枠色"), 1, 0);
  grid->addWidget(MakeColorShape(OptionColor::BDColor, "BDColor"), 1, 1);
  grid->addWidget(MakeColorButton(OptionColor::BDColor, "BorderColorButton"), 1, 2);
  grid->setColumnStretch(3, 1);
  return Group("基準色の設定", grid);
}

QGroupBox* OptionsDialog::BuildPatternGroup() {
  patterns_ = MakeRadioGroup([this](int pattern) { model_.ClickGraphPattern(pattern); });
  auto* row = new QHBoxLayout;
  for (int pattern = 1; pattern <= 3; ++pattern) row->addWidget(MakePatternButton(pattern));
  row->addStretch(1);
  return Group("グラフパターン", row);
}

QWidget* OptionsDialog::BuildOtherPage() { return Page({BuildDataFormatGroup(), BuildReloadGroup()}); }

QGroupBox* OptionsDialog::BuildDataFormatGroup() {
  dataFormat_ = MakeRadioGroup([this](int i) { model_.ChooseDataFormat(static_cast<DataFormat>(i)); });
  auto* column = new QVBoxLayout;
  column->setSpacing(2);
  column->addWidget(MakeRadio(dataFormat_, 0, "DataFormatStandard", "標準"));
  column->addWidget(Sketch("<table cellspacing=0 cellpadding=0>"
                           "<tr><td width=60>x1</td><td width=60>y1</td><td>Value1</td></tr>"
                           "<tr><td>x2</td><td>y2</td><td>Value2</td></tr>"
                           "<tr><td>x3</td><td>y3</td><td>Value3</td></tr>"
                           "<tr><td>：</td><td>：</td><td>：</td></tr></table>"));
  column->addWidget(MakeRadio(dataFormat_, 1, "DataFormatTable", "表形式"));
  column->addWidget(Sketch("<table cellspacing=0 cellpadding=0>"
                           "<tr><td width=40></td><td width=60>x1</td><td width=60>x2</td><td>x3 …</td></tr>"
                           "<tr><td>y1</td><td>Value11</td><td>Value21</td><td>Value31 …</td></tr>"
                           "<tr><td>y2</td><td>Value12</td><td>Value22</td><td>Value32 …</td></tr>"
                           "<tr><td>：</td><td>：</td><td>：</td><td>：</td></tr></table>"));
  return Group("等高線データファイル", column);
}

QGroupBox* OptionsDialog::BuildReloadGroup() {
  auto* grid = new QGridLayout;
  grid->addWidget(MakeCheck(OptionCheck::AutoReloadCheck, "AutoReloadCheck", "データの自動リロード"), 0, 0, 1, 4);
  auto* every = new QLabel("間隔：");
  every->setObjectName("Label28");
  auto* minutes = new QLabel("分");
  minutes->setObjectName("Label31");
  auto* next = new QLabel("次のリロードまで");
  next->setObjectName("Label32");
  // The interval is applied with Enter, so it is not bound to the model like the other edits.
  reloadInterval_ = Narrow(new QLineEdit(QString::fromStdString(model_.Text(OptionEdit::AutoReloadInterval))), 50);
  reloadInterval_->setObjectName("AutoReloadInterval");
  connect(reloadInterval_, &QLineEdit::textEdited, this, &OptionsDialog::ReloadIntervalTyped);
  connect(reloadInterval_, &QLineEdit::returnPressed, this, &OptionsDialog::ReloadIntervalEntered);
  reloadProgress_ = new QProgressBar;
  reloadProgress_->setObjectName("ReloadProgress");
  reloadProgress_->setRange(0, kReloadHoldTick);
  reloadProgress_->setTextVisible(false);
  reloadProgress_->setValue(0);
  grid->addWidget(every, 1, 0);
  grid->addWidget(reloadInterval_, 1, 1);
  grid->addWidget(minutes, 1, 2);
  grid->addWidget(next, 2, 0, 1, 2);
  grid->addWidget(reloadProgress_, 3, 0, 1, 4);

  // Live monitoring: follow the file's changes, and keep a picture file up to date.
  grid->addWidget(MakeCheck(OptionCheck::ReloadOnFileChange, "ReloadOnFileChange", "ファイルが更新されたらリロード"), 4, 0, 1, 4);
  grid->addWidget(MakeCheck(OptionCheck::SaveAfterReload, "SaveAfterReload", "リロード後に画像を保存"), 5, 0, 1, 4);
  QLineEdit* target = MakeEdit(OptionEdit::ReloadPictureFile, "ReloadPictureFile");
  auto* browse = new QPushButton("参照…");
  browse->setObjectName("ReloadPictureBrowse");
  browse->setAutoDefault(false);
  connect(browse, &QPushButton::clicked, this, [this] {
    const auto file = ui_.ChooseFileToSave({"画像の保存", kPictureFilter, "png"});
    if (file) model_.SetText(OptionEdit::ReloadPictureFile, *file);
  });
  grid->addWidget(target, 6, 0, 1, 3);
  grid->addWidget(browse, 6, 3);
  grid->setColumnStretch(3, 1);
  reloadControls_ = {every, reloadInterval_, minutes, next, reloadProgress_};
  ShowReloadControls();
  return Group("", grid);
}

}  // namespace tarn
