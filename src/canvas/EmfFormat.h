// Layout constants of the Enhanced Metafile format: record types, sizes, field offsets (from
// a record's first byte), stock objects and the enumerations our recordings use.
#pragma once

#include <cstdint>

namespace tarn::emf {

// Record types.
constexpr std::uint32_t kHeader = 1;
constexpr std::uint32_t kPolygon = 3;
constexpr std::uint32_t kPolyline = 4;
constexpr std::uint32_t kEof = 14;
constexpr std::uint32_t kSetPixelV = 15;
constexpr std::uint32_t kSetBkMode = 18;
constexpr std::uint32_t kSetPolyFillMode = 19;
constexpr std::uint32_t kSetRop2 = 20;
constexpr std::uint32_t kSetTextAlign = 22;
constexpr std::uint32_t kSetTextColor = 24;
constexpr std::uint32_t kSetBkColor = 25;
constexpr std::uint32_t kMoveToEx = 27;
constexpr std::uint32_t kSelectObject = 37;
constexpr std::uint32_t kCreatePen = 38;
constexpr std::uint32_t kCreateBrushIndirect = 39;
constexpr std::uint32_t kDeleteObject = 40;
constexpr std::uint32_t kEllipse = 42;
constexpr std::uint32_t kRectangle = 43;
constexpr std::uint32_t kLineTo = 54;
constexpr std::uint32_t kExtCreateFontIndirectW = 82;
constexpr std::uint32_t kExtTextOutW = 84;
constexpr std::uint32_t kPolygon16 = 86;
constexpr std::uint32_t kPolyline16 = 87;

// Every record: Type and Size, then its fields.
constexpr std::uint32_t kRecordPrefixSize = 8;
constexpr std::uint32_t kOffRecordType = 0;
constexpr std::uint32_t kOffRecordSize = 4;

// EMR_HEADER with both extensions and no description.
constexpr std::uint32_t kHeaderSize = 108;
constexpr std::uint32_t kHeaderBaseSize = 88;
constexpr std::uint32_t kOffBounds = 8;
constexpr std::uint32_t kOffFrame = 24;
constexpr std::uint32_t kOffSignature = 40;
constexpr std::uint32_t kOffVersion = 44;
constexpr std::uint32_t kOffBytes = 48;
constexpr std::uint32_t kOffRecords = 52;
constexpr std::uint32_t kOffHandles = 56;
constexpr std::uint32_t kOffReserved = 58;
constexpr std::uint32_t kOffDescriptionCount = 60;
constexpr std::uint32_t kOffDescription = 64;
constexpr std::uint32_t kOffPalEntries = 68;
constexpr std::uint32_t kOffDevice = 72;
constexpr std::uint32_t kOffMillimeters = 80;
constexpr std::uint32_t kOffPixelFormatSize = 88;
constexpr std::uint32_t kOffPixelFormat = 92;
constexpr std::uint32_t kOffOpenGl = 96;
constexpr std::uint32_t kOffMicrometers = 100;
constexpr std::uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kVersion = 0x00010000;

// The reference device: 96 pixels per inch exactly (480 px = 127 mm).
constexpr std::int32_t kDeviceWidthPx = 1920;
constexpr std::int32_t kDeviceHeightPx = 1440;
constexpr std::int32_t kDeviceWidthMm = 508;
constexpr std::int32_t kDeviceHeightMm = 381;
constexpr float kHundredthMmPerPixel = 2540.0f / 96.0f;

// EMR_EOF without a palette.
constexpr std::uint32_t kEofSize = 20;
constexpr std::uint32_t kOffEofPalEntries = 8;
constexpr std::uint32_t kOffEofPalOffset = 12;
constexpr std::uint32_t kOffEofSizeLast = 16;
constexpr std::uint32_t kEofPalOffsetNone = 16;

// Records of one value at offset 8 (state, select, delete).
constexpr std::uint32_t kValueRecordSize = 12;
constexpr std::uint32_t kOffValue = 8;

// EMR_MOVETOEX, EMR_LINETO: a point at 8.
constexpr std::uint32_t kPointRecordSize = 16;
constexpr std::uint32_t kOffPoint = 8;

// EMR_RECTANGLE, EMR_ELLIPSE: a box at 8.
constexpr std::uint32_t kBoxRecordSize = 24;
constexpr std::uint32_t kOffBox = 8;

// EMR_SETPIXELV: point at 8, colour at 16.
constexpr std::uint32_t kSetPixelSize = 20;
constexpr std::uint32_t kOffPixelPoint = 8;
constexpr std::uint32_t kOffPixelColor = 16;

// EMR_POLYGON16 / EMR_POLYGON: bounds at 8, count at 24, points from 28.
constexpr std::uint32_t kPolyFixedSize = 28;
constexpr std::uint32_t kOffPolyBounds = 8;
constexpr std::uint32_t kOffPolyCount = 24;
constexpr std::uint32_t kOffPolyPoints = 28;

// EMR_CREATEPEN.
constexpr std::uint32_t kCreatePenSize = 28;
constexpr std::uint32_t kOffObjectIndex = 8;
constexpr std::uint32_t kOffPenStyle = 12;
constexpr std::uint32_t kOffPenWidth = 16;
constexpr std::uint32_t kOffPenColor = 24;

// EMR_CREATEBRUSHINDIRECT.
constexpr std::uint32_t kCreateBrushSize = 24;
constexpr std::uint32_t kOffBrushStyle = 12;
constexpr std::uint32_t kOffBrushColor = 16;
constexpr std::uint32_t kOffBrushHatch = 20;

// EMR_EXTCREATEFONTINDIRECTW carrying a LogFontPanose; readers need the 92 LogFont bytes.
constexpr std::uint32_t kCreateFontSize = 332;
constexpr std::uint32_t kCreateFontMinSize = 104;
constexpr std::uint32_t kOffFontHeight = 12;
constexpr std::uint32_t kOffFontWidth = 16;
constexpr std::uint32_t kOffFontEscapement = 20;
constexpr std::uint32_t kOffFontOrientation = 24;
constexpr std::uint32_t kOffFontWeight = 28;
constexpr std::uint32_t kOffFontItalic = 32;
constexpr std::uint32_t kOffFontCharSet = 35;
constexpr std::uint32_t kOffFontOutPrecision = 36;
constexpr std::uint32_t kOffFontFaceName = 40;
constexpr std::uint32_t kFaceNameUnits = 32;

// EMR_EXTTEXTOUTW with its rectangle and spacing array.
constexpr std::uint32_t kTextFixedSize = 76;
constexpr std::uint32_t kOffTextBounds = 8;
constexpr std::uint32_t kOffTextGraphicsMode = 24;
constexpr std::uint32_t kOffTextXScale = 28;
constexpr std::uint32_t kOffTextYScale = 32;
constexpr std::uint32_t kOffTextReference = 36;
constexpr std::uint32_t kOffTextChars = 44;
constexpr std::uint32_t kOffTextString = 48;
constexpr std::uint32_t kOffTextOptions = 52;
constexpr std::uint32_t kOffTextRectangle = 56;
constexpr std::uint32_t kOffTextDx = 72;
constexpr std::uint32_t kGraphicsModeCompatible = 1;

// Object indexes: 0 is reserved; stock objects carry the high bit and are never created.
constexpr std::uint32_t kStockFlag = 0x80000000u;
constexpr std::uint32_t kStockWhiteBrush = kStockFlag | 0;
constexpr std::uint32_t kStockNullBrush = kStockFlag | 5;
constexpr std::uint32_t kStockBlackPen = kStockFlag | 7;
constexpr std::uint32_t kStockNullPen = kStockFlag | 8;
constexpr std::uint32_t kStockSystemFont = kStockFlag | 0x0D;
constexpr std::uint32_t kStockLast = kStockFlag | 0x13;

// Enumerations.
constexpr std::uint32_t kPenStyleNull = 5;
constexpr std::uint32_t kPenStyleMask = 0x0F;
constexpr std::uint32_t kBrushSolid = 0;
constexpr std::uint32_t kBrushNull = 1;
constexpr std::uint32_t kBkTransparent = 1;
constexpr std::uint32_t kBkOpaque = 2;
constexpr std::uint32_t kRop2Not = 6;
constexpr std::uint32_t kRop2CopyPen = 13;
constexpr std::uint32_t kCharSetDefault = 1;
constexpr std::uint32_t kCharSetShiftJis = 128;
constexpr std::uint32_t kOutPrecisionTrueType = 4;
constexpr std::int32_t kWeightNormal = 400;
constexpr std::int32_t kWeightBold = 700;

}  // namespace tarn::emf
