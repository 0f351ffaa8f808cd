// The interlocks between the options, as the dialog's controls behave:
//
//   range/step edit text changes  -> its automatic switch is cleared
//   title text changes            -> SettingsChanged
//   size edit text changes        -> "カスタム" is chosen
//   a size preset becomes chosen  -> the size edits show the preset, the preset stays chosen
//   lines-only becomes chosen     -> ShowLine is remembered in SavedShowLine, ticked and greyed
//   lines-only is left            -> ShowLine comes back from SavedShowLine and is enabled
//
// Only a real change counts: setting a control to the value it holds does nothing at all,
// neither a rule nor a notification. Setters used by the program and by the person behave
// alike, except for the line colour list and the pattern buttons, where only the person's
// pick or click marks the settings as changed.
#include "options/OptionsModel.h"

#include <algorithm>
#include <cassert>

#include "base/NumberText.h"

namespace tarn {

namespace {

constexpr int Index(OptionCheck check) { return static_cast<int>(check); }
constexpr int Index(OptionEdit edit) { return static_cast<int>(edit); }

// The check boxes whose change counts as a change of the settings; the reload controls are
// never saved, so they do not.
bool MarksSettings(OptionCheck check) {
  return check != OptionCheck::AutoReloadCheck && check != OptionCheck::ReloadOnFileChange &&
         check != OptionCheck::SaveAfterReload;
}

// The automatic switch that a typed range or step clears, if any.
std::optional<OptionCheck> AutoSwitchOf(OptionEdit edit) {
  switch (edit) {
    case OptionEdit::XMinBox:
    case OptionEdit::XMaxBox: return OptionCheck::XMMAuto;
    case OptionEdit::YminBox:
    case OptionEdit::YMaxBox: return OptionCheck::YMMAuto;
    case OptionEdit::XStepBox: return OptionCheck::XStepAuto;
    case OptionEdit::YStepBox: return OptionCheck::YStepAuto;
    case OptionEdit::ValueMinBox:
    case OptionEdit::ValueMaxBox: return OptionCheck::ValueMMAuto;
    case OptionEdit::ValueStepBox: return OptionCheck::ValueStepAuto;
    default: return std::nullopt;
  }
}

bool IsTitle(OptionEdit edit) {
  return edit == OptionEdit::XTitleBox || edit == OptionEdit::YTitleBox ||
         edit == OptionEdit::ValueTitleBox;
}

bool IsSizeEdit(OptionEdit edit) {
  return edit == OptionEdit::ImageWidth || edit == OptionEdit::ImageHeight;
}

}  // namespace

OptionsModel::OptionsModel() {
  checks_.fill(true);
  checks_[Index(OptionCheck::ShowLine)] = false;
  checks_[Index(OptionCheck::AutoReloadCheck)] = false;
  checks_[Index(OptionCheck::ReloadOnFileChange)] = false;
  checks_[Index(OptionCheck::SaveAfterReload)] = false;

  edits_[Index(OptionEdit::XTitleBox)] = "X";
  edits_[Index(OptionEdit::YTitleBox)] = "Y";
  edits_[Index(OptionEdit::ValueTitleBox)] = "Value";
  for (OptionEdit low : {OptionEdit::XMinBox, OptionEdit::YminBox, OptionEdit::ValueMinBox}) {
    edits_[Index(low)] = "0";
  }
  for (OptionEdit high : {OptionEdit::XMaxBox, OptionEdit::YMaxBox, OptionEdit::ValueMaxBox}) {
    edits_[Index(high)] = "1";
  }
  for (OptionEdit step : {OptionEdit::XStepBox, OptionEdit::YStepBox, OptionEdit::ValueStepBox}) {
    edits_[Index(step)] = "0.5";
  }
  edits_[Index(OptionEdit::ImageWidth)] = "275";
  edits_[Index(OptionEdit::ImageHeight)] = "275";
  edits_[Index(OptionEdit::AutoReloadInterval)] = "10";
}

// --- check boxes and edits ---

bool OptionsModel::Checked(OptionCheck check) const { return checks_[Index(check)]; }

void OptionsModel::SetChecked(OptionCheck check, bool ticked) {
  if (checks_[Index(check)] == ticked) return;
  checks_[Index(check)] = ticked;
  Notify(OptionChange::Kind::Check, Index(check));
  if (MarksSettings(check)) SetSettingsChanged(true);
}

const std::string& OptionsModel::Text(OptionEdit edit) const { return edits_[Index(edit)]; }

void OptionsModel::SetText(OptionEdit edit, const std::string& text) {
  if (StoreText(edit, text)) ApplyTextRules(edit);
}

bool OptionsModel::StoreText(OptionEdit edit, const std::string& text) {
  std::string& current = edits_[Index(edit)];
  if (current == text) return false;
  current = text;
  Notify(OptionChange::Kind::Edit, Index(edit));
  return true;
}

void OptionsModel::ApplyTextRules(OptionEdit edit) {
  if (const auto autoSwitch = AutoSwitchOf(edit)) SetChecked(*autoSwitch, false);
  if (IsTitle(edit)) SetSettingsChanged(true);
  // Even a typed "275" leaves the custom size chosen.
  if (IsSizeEdit(edit)) ChoosePictureSize(PictureSize::SizeCustom);
}

void OptionsModel::WriteBack(OptionEdit edit, double value, OptionCheck autoSwitch) {
  SetText(edit, FloatToText(value));
  SetChecked(autoSwitch, true);
}

// --- radio groups ---

void OptionsModel::ChooseFillStyle(FillStyle style) {
  if (fillStyle_ == style) return;
  const FillStyle previous = fillStyle_;
  fillStyle_ = style;
  Notify(OptionChange::Kind::FillStyle);
  ApplyFillStyleRules(previous);
  SetSettingsChanged(true);
}

// Lines-only forces the contour lines on and remembers the person's choice; only leaving
// lines-only gives that choice back. Switching between the two fills keeps ShowLine as it
// is, so a tick given under one fill survives the switch to the other.
void OptionsModel::ApplyFillStyleRules(FillStyle previous) {
  if (fillStyle_ == FillStyle::NotPaint) {
    savedShowLine_ = Checked(OptionCheck::ShowLine);
    SetChecked(OptionCheck::ShowLine, true);
    SetShowLineEnabled(false);
  } else if (previous == FillStyle::NotPaint) {
    SetChecked(OptionCheck::ShowLine, savedShowLine_);
    SetShowLineEnabled(true);
  }
}

void OptionsModel::SetShowLineEnabled(bool enabled) {
  if (showLineEnabled_ == enabled) return;
  showLineEnabled_ = enabled;
  Notify(OptionChange::Kind::CheckEnabled, Index(OptionCheck::ShowLine));
}

void OptionsModel::ChooseColorScheme(ColorScheme scheme) {
  if (colorScheme_ == scheme) return;
  colorScheme_ = scheme;
  Notify(OptionChange::Kind::ColorScheme);
  SetSettingsChanged(true);
}

void OptionsModel::ChooseScatterColors(ScatterColors colors) {
  if (scatterColors_ == colors) return;
  scatterColors_ = colors;
  Notify(OptionChange::Kind::ScatterColors);
  SetSettingsChanged(true);
}

void OptionsModel::ChooseDataFormat(DataFormat format) {
  if (dataFormat_ == format) return;
  dataFormat_ = format;
  Notify(OptionChange::Kind::DataFormat);
  SetSettingsChanged(true);
}

void OptionsModel::ChoosePictureSize(PictureSize size) {
  if (pictureSize_ == size) return;
  pictureSize_ = size;
  Notify(OptionChange::Kind::PictureSize);
  if (size == PictureSize::Size275275) ApplyPresetSize("275", "275");
  if (size == PictureSize::Size550275) ApplyPresetSize("550", "275");
  SetSettingsChanged(true);
}

// The preset's own texts must not switch to the custom size, so they skip the edit rules.
void OptionsModel::ApplyPresetSize(const char* width, const char* height) {
  StoreText(OptionEdit::ImageWidth, width);
  StoreText(OptionEdit::ImageHeight, height);
}

// --- line colour list, colour shapes, pattern buttons ---

void OptionsModel::SetLineColorIndex(int index) {
  assert(index == kNoLineColor || (index >= 0 && index < kLineColorCount));
  if (lineColorIndex_ == index) return;
  lineColorIndex_ = index;
  Notify(OptionChange::Kind::LineColor);
}

void OptionsModel::PickLineColor(int index) {
  if (lineColorIndex_ == index) return;
  SetLineColorIndex(index);
  SetSettingsChanged(true);
}

Color OptionsModel::GetColor(OptionColor which) const {
  return which == OptionColor::BKCOLOR ? backColor_ : borderColor_;
}

void OptionsModel::SetColor(OptionColor which, Color color) {
  Color& current = which == OptionColor::BKCOLOR ? backColor_ : borderColor_;
  if (current == color) return;
  current = color;
  Notify(OptionChange::Kind::ColorShape, static_cast<int>(which));
}

void OptionsModel::FinishColorDialog(OptionColor which, std::optional<Color> picked) {
  if (picked) SetColor(which, *picked);
  SetSettingsChanged(true);
}

void OptionsModel::SetGraphPattern(int pattern) {
  assert(pattern >= 1 && pattern <= 3 && "graph patterns are numbered 1 to 3");
  if (graphPattern_ == pattern) return;
  graphPattern_ = pattern;
  Notify(OptionChange::Kind::GraphPattern);
}

void OptionsModel::ClickGraphPattern(int pattern) {
  SetGraphPattern(pattern);
  SetSettingsChanged(true);
}

// --- flags and reset ---

void OptionsModel::MarkSettingsChanged() { SetSettingsChanged(true); }
void OptionsModel::ClearSettingsChanged() { SetSettingsChanged(false); }

void OptionsModel::SetSettingsChanged(bool changed) {
  if (settingsChanged_ == changed) return;
  settingsChanged_ = changed;
  Notify(OptionChange::Kind::SettingsChanged);
}

// Titles, ranges, steps, their switches, ShowLine, the line colour and the reload controls
// are kept; the rest goes back to the defaults in the dialog's order, with the usual rules.
void OptionsModel::Reset() {
  ChooseFillStyle(FillStyle::PaintMetaContour);
  ChooseColorScheme(ColorScheme::RainbowColor);
  ChoosePictureSize(PictureSize::Size275275);
  ChooseDataFormat(DataFormat::DataFormatStandard);
  SetChecked(OptionCheck::MakeLegendCheck, true);
  SetChecked(OptionCheck::AutoSetCheck, true);
  ChooseScatterColors(ScatterColors::StdColor);
  SetColor(OptionColor::BKCOLOR, kWhite);
  SetColor(OptionColor::BDColor, kBlack);
  SetGraphPattern(1);
}

// --- notifications ---

OptionsModel::ListenerId OptionsModel::Subscribe(Listener listener) {
  const ListenerId id = listeners_.NextId++;
  listeners_.Entries.emplace_back(id, std::move(listener));
  return id;
}

void OptionsModel::Unsubscribe(ListenerId id) {
  std::erase_if(listeners_.Entries, [id](const auto& entry) { return entry.first == id; });
}

// Works on a copy so listeners may (un)subscribe while notified; one removed meanwhile is
// not called any more.
void OptionsModel::Notify(OptionChange::Kind kind, int which) {
  const OptionChange change{kind, which};
  const auto snapshot = listeners_.Entries;
  for (const auto& entry : snapshot) {
    const ListenerId id = entry.first;
    const auto& current = listeners_.Entries;
    const bool stillSubscribed = std::any_of(current.begin(), current.end(),
                                             [id](const auto& other) { return other.first == id; });
    if (stillSubscribed) entry.second(change);
  }
}

}  // namespace tarn
