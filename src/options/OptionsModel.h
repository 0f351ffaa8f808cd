// The options dialog's state without the dialog: every control as a value, the defaults,
// and the interlock rules between controls. The rules live in the setters, so they fire
// alike for the person, the settings reader, the loaders and the redraw's write-back.
// A window mirrors the model through the change notifications; it keeps no state of its own.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Color.h"

namespace tarn {

// Check boxes.
enum class OptionCheck {
  ShowXTitle, ShowYTitle, ShowValueTitle,
  XMMAuto, YMMAuto, XStepAuto, YStepAuto, ValueMMAuto, ValueStepAuto,
  ShowLine, MakeLegendCheck, AutoSetCheck, AutoReloadCheck,
  ReloadOnFileChange,  // "ファイルが更新されたらリロード"
  SaveAfterReload,     // "リロード後に画像を保存"
  Count
};

// Edits; number edits hold any text and are converted where they are used.
enum class OptionEdit {
  XTitleBox, YTitleBox, ValueTitleBox,
  XMinBox, XMaxBox, YminBox, YMaxBox, XStepBox, YStepBox,
  ValueMinBox, ValueMaxBox, ValueStepBox,
  ImageWidth, ImageHeight, AutoReloadInterval,
  ReloadPictureFile,  // where the picture goes after each reload
  Count
};

// Radio groups, each with exactly one button chosen.
enum class FillStyle { PaintBitMapContour, PaintMetaContour, NotPaint };
enum class ColorScheme { RainbowColor, GrayColor, ContrastColor };
enum class ScatterColors { WBColor, StdColor, GradColor };
enum class PictureSize { Size275275, Size550275, SizeCustom };
enum class DataFormat { DataFormatStandard, DataFormatTable };

// Items of LineColorBox: "黒" "白" "反転色" "普通色" "背景色" "枠色".
enum class LineColor { Black, White, Reverse, Standard, BackColor, BorderColor };
constexpr int kLineColorCount = 6;
// The list with no item selected; the settings file then holds no line for it.
constexpr int kNoLineColor = -1;

// The two colour shapes of the paper page.
enum class OptionColor { BKCOLOR, BDColor };

// What changed; a view re-reads the named control.
struct OptionChange {
  enum class Kind { Check, CheckEnabled, Edit, FillStyle, ColorScheme, ScatterColors, PictureSize,
                    DataFormat, LineColor, ColorShape, GraphPattern, SettingsChanged };
  Kind What;
  int Which = 0;  // the OptionCheck (Check, CheckEnabled), OptionEdit or OptionColor (ColorShape)
  friend bool operator==(const OptionChange&, const OptionChange&) = default;
};

class OptionsModel {
 public:
  using Listener = std::function<void(const OptionChange&)>;
  using ListenerId = int;

  // Defaults of every control; SettingsChanged and SavedShowLine cleared.
  OptionsModel();

  // A real change of any check box but the reload controls sets SettingsChanged.
  bool Checked(OptionCheck check) const;
  void SetChecked(OptionCheck check, bool ticked);
  bool ShowLineEnabled() const { return showLineEnabled_; }

  // A real change of a range or step clears its automatic switch, of a title sets
  // SettingsChanged, of a size edit chooses SizeCustom.
  const std::string& Text(OptionEdit edit) const;
  void SetText(OptionEdit edit, const std::string& text);

  // Choosing another button sets SettingsChanged. Lines-only (NotPaint) keeps ShowLine in
  // SavedShowLine, ticks and disables it; leaving lines-only restores and enables it. A size
  // preset writes its size into the size edits and stays chosen.

  FillStyle GetFillStyle() const { return fillStyle_; }
  void ChooseFillStyle(FillStyle style);
  ColorScheme GetColorScheme() const { return colorScheme_; }
  void ChooseColorScheme(ColorScheme scheme);
  ScatterColors GetScatterColors() const { return scatterColors_; }
  void ChooseScatterColors(ScatterColors colors);
  PictureSize GetPictureSize() const { return pictureSize_; }
  void ChoosePictureSize(PictureSize size);
  DataFormat GetDataFormat() const { return dataFormat_; }
  void ChooseDataFormat(DataFormat format);

  // LineColorBox item index 0 to 5, or kNoLineColor. Setting it from the program changes no flag;
  // the person picking another item sets SettingsChanged.
  int LineColorIndex() const { return lineColorIndex_; }
  void SetLineColorIndex(int index);
  void PickLineColor(int index);

  Color GetColor(OptionColor which) const;
  void SetColor(OptionColor which, Color color);
  // The end of the colour dialog behind "変更": a picked colour (OK) is set; OK or Cancel,
  // the settings count as changed.
  void FinishColorDialog(OptionColor which, std::optional<Color> picked);

  // Graph pattern 1 to 3. Putting a button down from the program changes no flag;
  // a click, even on the button already down, sets SettingsChanged.
  int GraphPattern() const { return graphPattern_; }
  void SetGraphPattern(int pattern);
  void ClickGraphPattern(int pattern);

  bool SettingsChanged() const { return settingsChanged_; }
  void MarkSettingsChanged();
  void ClearSettingsChanged();
  bool SavedShowLine() const { return savedShowLine_; }

  // "初期設定に戻す".
  void Reset();

  // A drawing's automatic value: the text of `edit` becomes the general form of `value`,
  // then `autoSwitch` is ticked again.
  void WriteBack(OptionEdit edit, double value, OptionCheck autoSwitch);

  // Every real change is reported once to every listener, in the order the changes happen.
  // A listener may subscribe, unsubscribe or change the model while it is being notified.
  // A copy of the model starts without listeners; assigning keeps the target's listeners.
  ListenerId Subscribe(Listener listener);
  void Unsubscribe(ListenerId id);

 private:
  void Notify(OptionChange::Kind kind, int which = 0);
  void SetSettingsChanged(bool changed);
  bool StoreText(OptionEdit edit, const std::string& text);
  void ApplyTextRules(OptionEdit edit);
  void ApplyFillStyleRules(FillStyle previous);
  void ApplyPresetSize(const char* width, const char* height);
  void SetShowLineEnabled(bool enabled);

  std::array<bool, static_cast<int>(OptionCheck::Count)> checks_{};
  std::array<std::string, static_cast<int>(OptionEdit::Count)> edits_;
  bool showLineEnabled_ = true;
  FillStyle fillStyle_ = FillStyle::PaintMetaContour;
  ColorScheme colorScheme_ = ColorScheme::RainbowColor;
  ScatterColors scatterColors_ = ScatterColors::StdColor;
  PictureSize pictureSize_ = PictureSize::Size275275;
  DataFormat dataFormat_ = DataFormat::DataFormatStandard;
  int lineColorIndex_ = 0;
  Color backColor_ = kWhite;
  Color borderColor_ = kBlack;
  int graphPattern_ = 1;
  bool settingsChanged_ = false;
  bool savedShowLine_ = false;
  // Listeners belong to one model object, so copying the model does not copy them.
  struct ListenerList {
    std::vector<std::pair<ListenerId, Listener>> Entries;
    ListenerId NextId = 1;
    ListenerList() = default;
    ListenerList(const ListenerList&) {}
    ListenerList& operator=(const ListenerList&) { return *this; }
  };
  ListenerList listeners_;
};

}  // namespace tarn
