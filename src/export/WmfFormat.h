// Layout constants of the 16-bit Windows Metafile and its placeable header: record functions,
// header fields and the enumerations our conversion writes. Sizes are in 16-bit words.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tarn::wmf {

// Placeable header (22 bytes, not counted in META_HEADER's Size).
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::uint16_t kUnitsPerInch = 96;
constexpr std::int64_t kHundredthMmPerInch = 2540;

// META_HEADER, right after the placeable header.
constexpr std::uint16_t kMemoryMetafile = 1;
constexpr std::uint16_t kHeaderWords = 9;
constexpr std::uint16_t kVersion = 0x0300;
constexpr std::size_t kOffSize = kPlaceableSize + 6;  // u32, words of the whole metafile
constexpr std::size_t kOffNumberOfObjects = kPlaceableSize + 10;
constexpr std::size_t kOffMaxRecord = kPlaceableSize + 12;  // u32, words of the largest record

// Every record: RecordSize (u32, words) and RecordFunction (u16).
constexpr std::uint32_t kRecordPrefixWords = 3;

// Record functions.
constexpr std::uint16_t kEof = 0x0000;
constexpr std::uint16_t kSetBkColor = 0x0201;
constexpr std::uint16_t kSetBkMode = 0x0102;
constexpr std::uint16_t kSetMapMode = 0x0103;
constexpr std::uint16_t kSetRop2 = 0x0104;
constexpr std::uint16_t kSetPolyFillMode = 0x0106;
constexpr std::uint16_t kSetTextAlign = 0x012E;
constexpr std::uint16_t kSetTextColor = 0x0209;
constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kSelectObject = 0x012D;
constexpr std::uint16_t kDeleteObject = 0x01F0;
constexpr std::uint16_t kCreatePenIndirect = 0x02FA;
constexpr std::uint16_t kCreateFontIndirect = 0x02FB;
constexpr std::uint16_t kCreateBrushIndirect = 0x02FC;
constexpr std::uint16_t kLineTo = 0x0213;
constexpr std::uint16_t kMoveTo = 0x0214;
constexpr std::uint16_t kPolygon = 0x0324;
constexpr std::uint16_t kPolyline = 0x0325;
constexpr std::uint16_t kEllipse = 0x0418;
constexpr std::uint16_t kRectangle = 0x041B;
constexpr std::uint16_t kSetPixel = 0x041F;
constexpr std::uint16_t kTextOut = 0x0521;
constexpr std::uint16_t kExtTextOut = 0x0A32;

// Record sizes, prefix included.
constexpr std::uint32_t kEofWords = 3;
constexpr std::uint32_t kModeWords = 5;   // mode and the reserved word GDI writes
constexpr std::uint32_t kMapModeWords = 4;
constexpr std::uint32_t kColorWords = 5;
constexpr std::uint32_t kPointWords = 5;
constexpr std::uint32_t kObjectIndexWords = 4;
constexpr std::uint32_t kBoxWords = 7;
constexpr std::uint32_t kSetPixelWords = 7;
constexpr std::uint32_t kCreatePenWords = 8;
constexpr std::uint32_t kCreateBrushWords = 7;
constexpr std::uint32_t kFontFixedWords = 3 + 9;
constexpr std::size_t kFaceNameBytes = 32;  // NUL included

// Enumerations.
constexpr std::uint16_t kMapModeAnisotropic = 8;
constexpr std::uint16_t kTextOpaque = 0x0002;
constexpr std::uint16_t kTextClipped = 0x0004;
constexpr std::uint16_t kPolyFillAlternate = 1;
constexpr std::uint16_t kTextAlignDefault = 0;

// Slots of the object table are 16-bit indexes from 0.
constexpr std::uint32_t kLargestSlot = 0xFFFE;

}  // namespace tarn::wmf
