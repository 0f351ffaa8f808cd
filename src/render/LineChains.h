// Joins the pieces of contour levels, one per triangle, into chains by the mesh edge or corner
// where one piece ends and the next begins.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/Color.h"
#include "canvas/Canvas.h"
#include "data/PointSet.h"

namespace tarn {

// Where a level segment's end lies: on an edge (two corners) or at a corner (twice the same).
struct EndKey {
  PointIndex A;
  PointIndex B;
  friend bool operator==(const EndKey&, const EndKey&) = default;
  friend auto operator<=>(const EndKey&, const EndKey&) = default;
};

// One triangle's piece of a contour level, from its long point to its short point.
struct LinePiece {
  std::int64_t Level;
  Color BandColor;  // the colour of the band above the level, which "普通色" draws in
  EndKey FromKey;   // of the long point
  EndKey ToKey;     // of the short point
  PixelPoint From;
  PixelPoint To;
};

// The chains of every level, in the order of their first piece. A chain is a run of piece ends
// in drawing order, an end being a piece number times two, plus one for its To end. Each chain
// starts at the first piece of its level not yet used, and grows at its To end, then at its
// From end, each time by the first unused piece of the level with an end at the same key.
class LineChains {
 public:
  struct Chain {
    std::uint32_t FirstPiece;
    std::uint32_t Begin;  // into Ends()
    std::uint32_t End;
  };

  explicit LineChains(std::span<const LinePiece> pieces);

  const std::vector<Chain>& Chains() const { return chains_; }
  const std::vector<std::uint32_t>& Ends() const { return ends_; }

 private:
  class MeetingTable;

  std::vector<std::uint32_t> PiecesByLevel();
  void JoinLevel(std::span<const std::uint32_t> level, MeetingTable& meeting);
  void Extend(std::vector<std::uint32_t>& far, EndKey key, MeetingTable& meeting);

  std::span<const LinePiece> pieces_;
  std::vector<bool> used_;
  std::vector<std::size_t> levelStarts_;
  std::vector<std::uint32_t> back_;
  std::vector<std::uint32_t> front_;
  std::vector<Chain> chains_;
  std::vector<std::uint32_t> ends_;
};

}  // namespace tarn
