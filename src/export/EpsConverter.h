// The metafile to EPS converter: the recorded picture as the lines of an Encapsulated
// PostScript file, either as a hexadecimal raster image (colour or gray, through a 256-colour
// halftone palette) or with the drawing records translated one by one into PostScript paths,
// colours, dashes, fonts and text. A short log of the conversion is kept beside the lines.
//
// The converter reads the metafile's byte stream as the published format lays it out (header,
// then records of type, size and 32-bit words) and checks every size against the bytes it has.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Color.h"
#include "canvas/Bitmap24.h"

namespace tarn {

class Tepsf {
 public:
  // One record after the header: its type, its size in bytes, and the rest of it as words.
  struct EmfRecord {
    std::uint32_t RecType = 0;
    std::uint32_t RecSize = 0;
    std::vector<std::uint32_t> Params;
  };

  // Plays a metafile onto a bitmap of its own size (the raster export's rendering).
  using Renderer = std::function<Bitmap24(std::string_view metafile)>;

  explicit Tepsf(Renderer render) : render_(std::move(render)) {}

  bool RasterMode = true;
  std::array<std::uint8_t, 88> MetafileHeader{};
  std::vector<EmfRecord> RecordList;
  bool PenSet = false;
  Color PenColor = kBlack;
  Color BrushColor = kBlack;
  bool GrayMode = false;
  bool VectorMode = false;
  std::vector<std::string> OutLines;
  std::vector<std::string> TransferLog;

  // Fills OutLines and TransferLog for one metafile. Throws MetafileError for a byte stream
  // whose header or records do not fit the bytes.
  void ConvertMetafile(std::string_view metafile, bool grayMode, bool vectorMode);

  // The raster image of a bitmap, rows from top to bottom.
  void EmitRasterImage(const Bitmap24& bitmap, bool gray);
  void EmitFillColor();
  void EmitStrokeColor();
  // H minus the low 16 bits of y: PostScript's y grows upwards from the page's bottom.
  int FlipY(std::uint32_t y) const { return height_ - static_cast<int>(y & 0xFFFFu); }
  // One record in vector mode: its PostScript lines, then its log line.
  void TranslateRecord(const EmfRecord& record);

 private:
  void ReadMetafileHeader(std::string_view stream);
  void ReadMetafileRecords(std::string_view stream);
  void EmitHeaderLines();
  bool HoldsSinglePixels() const;
  // Points per picture pixel across and down: the page scale.
  double ScaleX() const;
  double ScaleY() const;

  // Vector translation (EpsRecordTranslation.cpp).
  void EmitPoly(const EmfRecord& record);
  void EmitFigure(const EmfRecord& record, std::size_t first, std::size_t count, bool wide, std::size_t allPoints);
  void EmitBox(const EmfRecord& record);
  void EmitEllipse(const EmfRecord& record);
  void EmitMoveTo(const EmfRecord& record);
  void EmitLineTo(const EmfRecord& record);
  void TakePen(const EmfRecord& record);
  void TakeBrush(const EmfRecord& record);
  void TakeFont(const EmfRecord& record);
  void EmitText(const EmfRecord& record);
  void EmitFill();
  void EmitStroke();
  void SelectObject(const EmfRecord& record);
  void DeleteObject(const EmfRecord& record);

  Renderer render_;
  // Pens and brushes by their object index, so that one selected again takes effect again;
  // the index of the pen and brush last taken.
  std::map<std::uint32_t, EmfRecord> pens_;
  std::map<std::uint32_t, EmfRecord> brushes_;
  std::optional<std::uint32_t> currentPen_;
  std::optional<std::uint32_t> currentBrush_;
  std::string_view metafile_;
  int width_ = 0;    // W: the picture's pixels
  int height_ = 0;   // H
  double mmWidth_ = 0;   // MMW: hundredths of a millimetre
  double mmHeight_ = 0;  // MMH
};

// The PostScript font of a face under the font-name rules; faces compare without regard to case.
std::string MapFontName(std::string_view face, bool bold, std::uint32_t italic);

// A face's UTF-16 name as the ANSI code page (CP932) bytes the font tables use.
std::string FaceToAnsi(std::u16string_view face);

}  // namespace tarn
