#include "render/MarginSearch.h"

#include "base/NumberText.h"
#include "render/Axes.h"

namespace tarn {

namespace {

constexpr int kFirstMargin = 30;
constexpr int kLastMargin = 130;
constexpr int kShrinkFromMargin = 80;

}  // namespace

Extent TypedRange(const OptionsModel& options, OptionEdit minBox, OptionEdit maxBox) {
  const double max = TextToFloat(options.Text(maxBox));
  return {TextToFloat(options.Text(minBox)), max};
}

PlotArea AreaForMargin(int m, int width, int height, Extent x, Extent y) {
  PlotArea area;
  area.Left = m;
  area.Bottom = 50;
  area.Right = m < kShrinkFromMargin ? width + m - 90 : width - 10;
  area.Top = m < kShrinkFromMargin ? height - 40 : height - m + 40;
  area.XScale = (area.Right - area.Left) / (x.Max - x.Min);
  area.YScale = (area.Top - area.Bottom) / (y.Max - y.Min);
  area.XMin = x.Min;
  area.XMax = x.Max;
  area.YMin = y.Min;
  area.YMax = y.Max;
  area.PictureHeight = height;
  return area;
}

PlotArea SearchLeftMargin(RenderContext& context, const FontChoice& graphFont, int width, int height, Extent x,
                          Extent y, const std::function<void(const PlotArea&)>& eachTrial) {
  PlotArea area;
  for (int m = kFirstMargin; m <= kLastMargin; ++m) {
    area = AreaForMargin(m, width, height, x, y);
    context.Target.SetFont(graphFont);
    if (eachTrial) eachTrial(area);
    if (MeasureLeftExtent(context, area) > width - area.Right) return area;
  }
  context.Ui.ShowMessage(MessageKind::Warning, kNoMarginMessage);
  return area;
}

}  // namespace tarn
