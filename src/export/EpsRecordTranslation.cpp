// The vector mode: each drawing record becomes PostScript. Objects take effect when they are
// created (selection and deletion are not looked at), so the state is always the last pen,
// brush and font created. Every y passes through FlipY.
#include <cmath>
#include <map>

#include "canvas/MetafileError.h"
#include "export/EpsConverter.h"
#include "export/EpsNumbers.h"

namespace tarn {

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

// Record fields by their byte offset into the words after type and size.
class Fields {
 public:
  explicit Fields(const Tepsf::EmfRecord& record) : record_(record) {}

  std::uint32_t U32(std::size_t at) const {
    Need(at, 4);
    if (at % 4 == 0) return record_.Params[at / 4];
    return U16(at) | (U16(at + 2) << 16);
  }
  std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
  std::uint32_t U16(std::size_t at) const { return U8(at) | (U8(at + 1) << 8); }
  std::uint32_t U8(std::size_t at) const {
    Need(at, 1);
    return (record_.Params[at / 4] >> (8 * (at % 4))) & 0xFFu;
  }
  // Throws unless `count` bytes from `at` lie inside the record's words.
  void Need(std::size_t at, std::size_t count) const {
    const std::size_t size = 4 * record_.Params.size();
    if (at > size || count > size - at) {
      throw MetafileError("EPS変換: レコード " + std::to_string(record_.RecType) + " がその内容より短いです");
    }
  }

 private:
  const Tepsf::EmfRecord& record_;
};

const std::map<std::uint32_t, const char*>& PolyLogLines() {
  static const std::map<std::uint32_t, const char*> lines = {
      {2, " 2 EMRPOLYBEZIER(折れ線で代用中)"}, {3, " 3 EMRPOLYGON"}, {4, " 4 EMRPOLYLINE"},
      {5, " 5 EMRPOLYBEZIERTO(折れ線で代用中)"}, {6, " 6 EMRPOLYLINETO"}, {7, " 7 EMRPOLYPOLYLINE"},
      {8, " 8 EMRPOLYPOLYGON"}, {85, "85 EMRPOLYBEZIER16"}, {86, "86 EMRPOLYGON16"}, {87, "87 EMRPOLYLINE16"},
      {88, "88 EMRPOLYBEZIERTO16"}, {89, "89 EMRPOLYLINETO16"}, {90, "90 EMRPOLYPOLYLINE16"},
      {91, "91 EMRPOLYPOLYGON16"}};
  return lines;
}

bool IsToType(std::uint32_t type) { return type == 5 || type == 6 || type == 88 || type == 89; }
bool IsClosedType(std::uint32_t type) { return type == 3 || type == 8 || type == 86 || type == 91; }
bool IsPolyPolyType(std::uint32_t type) { return type == 7 || type == 8 || type == 90 || type == 91; }

std::string PointLine(std::int64_t x, std::int64_t y, const char* op) {
  return IntText(x) + " " + IntText(y) + " " + op;
}

// Two-digit zero-padded decimal ("%.2d").
std::string TwoDigits(std::uint32_t value) { return value < 10 ? "0" + std::to_string(value) : std::to_string(value); }

}  // namespace

void Tepsf::TranslateRecord(const EmfRecord& record) {
  const std::uint32_t type = record.RecType;
  if (const auto poly = PolyLogLines().find(type); poly != PolyLogLines().end()) {
    EmitPoly(record);
    TransferLog.push_back(poly->second);
    return;
  }
  switch (type) {
    case 25: return;  // the background colour: the picture counts as transparent
    case 27: EmitMoveTo(record); TransferLog.push_back("27 EMRMOVETOEX"); return;
    case 38: TakePen(record); TransferLog.push_back("38 MERCREATEPEN"); return;
    case 39: TakeBrush(record); TransferLog.push_back("39 EMRCREATEBRUSHINDIRECT"); return;
    case 37: SelectObject(record); TransferLog.push_back("37 NotUsed"); return;
    case 40: DeleteObject(record); TransferLog.push_back("40 NotUsed"); return;
    case 42: EmitEllipse(record); TransferLog.push_back("42 EMRELLIPSE"); return;
    case 45: EmitEllipse(record); TransferLog.push_back("45 EMRARC"); return;
    case 46: EmitEllipse(record); TransferLog.push_back("46 EMRCHORD"); return;
    case 43: EmitBox(record); TransferLog.push_back("43 EMRRECTANGLE"); return;
    case 44: EmitBox(record); TransferLog.push_back("44 EMRROUNDRECT"); return;
    case 54: EmitLineTo(record); TransferLog.push_back("54 EMRLINETO"); return;
    case 82: TakeFont(record); TransferLog.push_back("82 EMRCREATEFONTINDIRECTW"); return;
    case 83: EmitText(record); TransferLog.push_back("83 EMREXTTEXTOUTA"); return;
    case 84: EmitText(record); TransferLog.push_back("84 EMREXTTEXTOUTW"); return;
    default: TransferLog.push_back(TwoDigits(type) + " NotUsed"); return;
  }
}

void Tepsf::EmitFill() {
  OutLines.push_back("gsave");
  EmitFillColor();
  OutLines.push_back("fill");
  OutLines.push_back("grestore");
}

void Tepsf::EmitStroke() {
  if (!PenSet) return;
  EmitStrokeColor();
  OutLines.push_back("stroke");
}

// One figure per point count for the poly-poly types, one figure of all points otherwise.
void Tepsf::EmitPoly(const EmfRecord& record) {
  const Fields f(record);
  const bool wide = record.RecType < 10;
  if (!IsPolyPolyType(record.RecType)) {
    const std::size_t count = f.U32(16);
    EmitFigure(record, 20, count, wide, count);
    return;
  }
  const std::size_t figures = f.U32(16);
  const std::size_t total = f.U32(20);
  f.Need(24, 4 * figures);
  std::size_t at = 24 + 4 * figures;
  for (std::size_t i = 0; i < figures; ++i) {
    const std::size_t count = f.U32(24 + 4 * i);
    EmitFigure(record, at, count, wide, total);
    at += count * (wide ? 8 : 4);
  }
}

// The figure's points from byte `first`; a "to" type ends at the last point of the record's
// whole list, which `allPoints` counts from the record's first point.
void Tepsf::EmitFigure(const EmfRecord& record, std::size_t first, std::size_t count, bool wide,
                       std::size_t allPoints) {
  const Fields f(record);
  const std::size_t pointSize = wide ? 8 : 4;
  f.Need(first, count * pointSize);
  const auto point = [&](std::size_t at) -> std::pair<std::int64_t, std::int64_t> {
    if (wide) return {f.I32(at), FlipY(f.U32(at + 4))};
    return {f.U16(at), FlipY(f.U16(at + 2))};
  };
  const bool to = IsToType(record.RecType);
  if (count == 0) return;
  const auto [x0, y0] = point(first);
  if (!to) OutLines.push_back("gsave");
  OutLines.push_back(PointLine(x0, y0, to ? "lineto" : "moveto"));
  for (std::size_t i = 1; i < count; ++i) {
    const auto [x, y] = point(first + i * pointSize);
    OutLines.push_back(PointLine(x, y, "lineto"));
  }
  if (IsClosedType(record.RecType)) {
    OutLines.push_back("closepath");
    EmitFill();
  }
  EmitStroke();
  if (to) {
    // The stroke cleared the path; the current point goes back to the list's last point.
    const std::size_t listStart = IsPolyPolyType(record.RecType) ? 24 + 4 * f.U32(16) : 20;
    const auto [xl, yl] = point(listStart + (allPoints - 1) * pointSize);
    OutLines.push_back(PointLine(xl, yl, "moveto"));
  } else {
    OutLines.push_back("grestore");
  }
}

void Tepsf::EmitBox(const EmfRecord& record) {
  const Fields f(record);
  const int l = f.I32(0), r = f.I32(8);
  const int t = FlipY(f.U32(4)), b = FlipY(f.U32(12));
  if (record.RecType == 44) {
    const double cw = f.U32(16), ch = f.U32(20);  // taken as unsigned
    if (cw == 0 || ch == 0) return;  // no scale for the corners: the record is skipped
    OutLines.push_back("gsave");
    OutLines.push_back("newpath");
    const auto X = [&](double x) { return 2 * x / cw; };
    const auto Y = [&](double y) { return 2 * y / ch; };
    const auto arcto = [&](double x1, double y1, double x2, double y2) {
      OutLines.push_back(FixedText(x1) + " " + FixedText(y1) + " " + FixedText(x2) + " " + FixedText(y2) + " 1 arcto");
    };
    OutLines.push_back(FixedText(cw / 2) + " " + FixedText(ch / 2) + " scale");
    OutLines.push_back(FixedText(X(l)) + " " + FixedText(Y(b) + 1) + " moveto");
    arcto(X(l), Y(t), X(r), Y(t));
    arcto(X(r), Y(t), X(r), Y(b));
    arcto(X(r), Y(b), X(l), Y(b));
    arcto(X(l), Y(b), X(l), Y(t));
    OutLines.push_back(FixedText(2 / cw) + " " + FixedText(2 / ch) + " scale");
  } else {
    OutLines.push_back("gsave");
    OutLines.push_back("newpath");
    OutLines.push_back(PointLine(l, t, "moveto"));
    OutLines.push_back(PointLine(l, b, "lineto"));
    OutLines.push_back(PointLine(r, b, "lineto"));
    OutLines.push_back(PointLine(r, t, "lineto"));
  }
  OutLines.push_back("closepath");
  EmitFill();
  EmitStroke();
  OutLines.push_back("grestore");
}

void Tepsf::EmitEllipse(const EmfRecord& record) {
  const Fields f(record);
  const double l = f.I32(0), r = f.I32(8);
  const double t = FlipY(f.U32(4)), b = FlipY(f.U32(12));
  const double cx = (l + r) / 2, cy = (t + b) / 2;
  const double w = std::abs(r - l), h = std::abs(b - t);
  if (w == 0 || h == 0) return;  // no scale for an empty box: the record is skipped
  double a1 = 0, a2 = 360;
  if (record.RecType != 42) {
    const double xs = f.I32(16), ys = FlipY(f.U32(20)), xe = f.I32(24), ye = FlipY(f.U32(28));
    a1 = std::atan2((ys - cy) * w, (xs - cx) * h) * kDegreesPerRadian;
    a2 = std::atan2((ye - cy) * w, (xe - cx) * h) * kDegreesPerRadian;
  }
  const std::string back = "-" + FixedText(cx) + " -" + FixedText(cy) + " translate";
  OutLines.push_back("gsave");
  if (record.RecType != 45) {
    OutLines.push_back("newpath");
    OutLines.push_back(FixedText(cx) + " " + FixedText(cy) + " translate");
    OutLines.push_back(FixedText(w / 2) + " " + FixedText(h / 2) + " scale");
    OutLines.push_back("0 0 1 " + FixedText(a1, 3) + " " + FixedText(a2, 3) + " arc");
    OutLines.push_back("closepath");
    OutLines.push_back(FixedText(2 / w) + " " + FixedText(2 / h) + " scale");
    EmitFill();
    OutLines.push_back(back);
  }
  if (PenSet) {
    EmitStrokeColor();
    OutLines.push_back("stroke");
    OutLines.push_back(back);
  }
  OutLines.push_back("grestore");
}

void Tepsf::EmitMoveTo(const EmfRecord& record) {
  const Fields f(record);
  OutLines.push_back(PointLine(f.I32(0), FlipY(f.U32(4)), "moveto"));
}

// Stroked whether or not a pen was created: in the initial pen colour until one is.
void Tepsf::EmitLineTo(const EmfRecord& record) {
  const Fields f(record);
  const std::int64_t x = f.I32(0), y = FlipY(f.U32(4));
  OutLines.push_back(PointLine(x, y, "lineto"));
  EmitStrokeColor();
  OutLines.push_back("stroke");
  OutLines.push_back(PointLine(x, y, "moveto"));
}

// A recording that keeps its pens and brushes selects one made earlier instead of making it
// again: it takes effect again. Selecting the object just made (the only selection a recording
// that makes every object anew contains) and stock objects change nothing.
void Tepsf::SelectObject(const EmfRecord& record) {
  const std::uint32_t index = Fields(record).U32(0);
  if (const auto pen = pens_.find(index); pen != pens_.end() && currentPen_ != index) {
    TakePen(EmfRecord(pen->second));
  } else if (const auto brush = brushes_.find(index); brush != brushes_.end() && currentBrush_ != index) {
    TakeBrush(EmfRecord(brush->second));
  }
}

void Tepsf::DeleteObject(const EmfRecord& record) {
  const std::uint32_t index = Fields(record).U32(0);
  pens_.erase(index);
  brushes_.erase(index);
  if (currentPen_ == index) currentPen_.reset();
  if (currentBrush_ == index) currentBrush_.reset();
}

void Tepsf::TakePen(const EmfRecord& record) {
  static const char* const kDashes[] = {"[1 0] 0 setdash", "[3 1] 0 setdash", "[1 1] 0 setdash",
                                        "[3 2 1 2] 0 setdash", "[3 1 1 1 1 1] 0 setdash"};
  const Fields f(record);
  currentPen_ = f.U32(0);
  pens_[*currentPen_] = record;
  const std::uint32_t style = f.U32(4);
  OutLines.push_back(style < std::size(kDashes) ? kDashes[style] : "[0 1] 0 setdash");
  PenColor = f.U32(16) & 0x00FFFFFFu;
  PenSet = true;
  const auto width = static_cast<float>(f.I32(8) * (ScaleX() + ScaleY()) / 2);
  OutLines.push_back(FixedText(width) + " setlinewidth");
}

// The brush style is not looked at: a hollow brush still fills with its colour.
void Tepsf::TakeBrush(const EmfRecord& record) {
  const Fields f(record);
  currentBrush_ = f.U32(0);
  brushes_[*currentBrush_] = record;
  BrushColor = f.U32(8) & 0x00FFFFFFu;
}

void Tepsf::TakeFont(const EmfRecord& record) {
  const Fields f(record);
  const std::int64_t size = std::abs(static_cast<std::int64_t>(f.I32(4)));
  const bool bold = f.I32(20) > 400;
  const std::uint32_t italic = f.U8(24);
  std::u16string face;
  for (std::size_t i = 0; i < 32; ++i) {
    const auto c = static_cast<char16_t>(f.U16(32 + 2 * i));
    if (c == 0) break;
    face += c;
  }
  OutLines.push_back("/" + MapFontName(FaceToAnsi(face), bold, italic) + " findfont " + IntText(size) +
                     " scalefont setfont");
}

// The text's bytes in hexadecimal (UTF-16 turned into the ANSI code page first), its baseline on
// the bottom of its bounding box, in the pen's colour.
void Tepsf::EmitText(const EmfRecord& record) {
  const Fields f(record);
  const std::size_t count = f.U32(36) & 0xFFFFu;
  std::string bytes;
  if (record.RecType == 83) {
    f.Need(68, count);
    for (std::size_t i = 0; i < count; ++i) bytes += static_cast<char>(f.U8(68 + i));
  } else {
    f.Need(68, 2 * count);
    std::u16string text;
    for (std::size_t i = 0; i < count; ++i) text += static_cast<char16_t>(f.U16(68 + 2 * i));
    bytes = FaceToAnsi(text);
  }
  std::string hex = "<";
  for (unsigned char c : bytes) AppendHex2(hex, c);
  hex += ">";
  OutLines.push_back(PointLine(f.I32(28), FlipY(f.U32(12)), "moveto"));
  EmitStrokeColor();
  OutLines.push_back(hex + " show");
}

}  // namespace tarn
