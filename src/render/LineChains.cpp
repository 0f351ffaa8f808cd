// The ends of one level are filed in a hash table by key, each key holding its ends as a list in
// increasing piece order, so the first unused piece at a key is found without a search and the
// used ones at the head of a list are passed over once. Chains never leave their level, so the
// levels are joined one at a time and the table only ever holds the largest level.
#include "render/LineChains.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace tarn {

class LineChains::MeetingTable {
 public:
  MeetingTable(std::span<const LinePiece> pieces, std::vector<bool>& used) : pieces_(pieces), used_(used) {}

  void Fill(std::span<const std::uint32_t> level) {
    level_ = level;
    // At most half the slots are taken, so probe runs stay short.
    const std::size_t size = std::bit_ceil(std::max<std::size_t>(16, 4 * level.size()));
    slots_.assign(size, Slot{});
    shift_ = 64 - std::countr_zero(size);
    next_.resize(2 * level.size());
    // Filed from the last end to the first, each at the head of its list, so lists run in
    // increasing piece order (a piece's From end before its To end).
    for (std::size_t k = level.size(); k-- > 0;) {
      const LinePiece& piece = pieces_[level[k]];
      File(piece.ToKey, static_cast<std::uint32_t>(2 * k + 1));
      File(piece.FromKey, static_cast<std::uint32_t>(2 * k));
    }
  }

  // The first unused piece with an end at `key`, now used.
  std::optional<std::uint32_t> Take(EndKey key) {
    Slot& slot = SlotOf(key);
    if (slot.Key.A == kFree) return std::nullopt;
    for (std::uint32_t end = slot.Head; end != kNone; end = next_[end]) {
      const std::uint32_t piece = level_[end / 2];
      if (!used_[piece]) {
        used_[piece] = true;
        slot.Head = next_[end];
        return piece;
      }
    }
    slot.Head = kNone;
    return std::nullopt;
  }

 private:
  static constexpr PointIndex kFree = -1;
  static constexpr std::uint32_t kNone = UINT32_MAX;

  struct Slot {
    EndKey Key{kFree, kFree};
    std::uint32_t Head = kNone;  // into next_: an end of the level, 2 x its position + side
  };

  Slot& SlotOf(EndKey key) {
    const auto a = static_cast<std::uint32_t>(key.A), b = static_cast<std::uint32_t>(key.B);
    std::size_t i = static_cast<std::size_t>(((std::uint64_t{a} << 32 | b) * 0x9E3779B97F4A7C15ull) >> shift_);
    const std::size_t mask = slots_.size() - 1;
    while (slots_[i].Key.A != kFree && slots_[i].Key != key) i = (i + 1) & mask;
    return slots_[i];
  }

  void File(EndKey key, std::uint32_t end) {
    Slot& slot = SlotOf(key);
    slot.Key = key;
    next_[end] = slot.Head;
    slot.Head = end;
  }

  std::span<const LinePiece> pieces_;
  std::vector<bool>& used_;
  std::span<const std::uint32_t> level_;
  std::vector<Slot> slots_;
  std::vector<std::uint32_t> next_;
  int shift_ = 60;
};

LineChains::LineChains(std::span<const LinePiece> pieces) : pieces_(pieces), used_(pieces.size(), false) {
  const std::vector<std::uint32_t> order = PiecesByLevel();
  MeetingTable meeting(pieces_, used_);
  for (std::size_t level = 0; level + 1 < levelStarts_.size(); ++level) {
    JoinLevel(std::span(order).subspan(levelStarts_[level], levelStarts_[level + 1] - levelStarts_[level]), meeting);
  }
  std::sort(chains_.begin(), chains_.end(), [](const Chain& a, const Chain& b) { return a.FirstPiece < b.FirstPiece; });
}

// The piece numbers grouped by level, in increasing order within each (a counting sort);
// level k from the lowest one holds positions levelStarts_[k] up to levelStarts_[k + 1].
std::vector<std::uint32_t> LineChains::PiecesByLevel() {
  if (pieces_.empty()) return {};
  const auto [low, high] = std::minmax_element(pieces_.begin(), pieces_.end(),
                                               [](const LinePiece& a, const LinePiece& b) { return a.Level < b.Level; });
  const std::int64_t lowest = low->Level;
  levelStarts_.assign(static_cast<std::size_t>(high->Level - lowest) + 2, 0);
  for (const LinePiece& piece : pieces_) ++levelStarts_[static_cast<std::size_t>(piece.Level - lowest) + 1];
  for (std::size_t k = 1; k < levelStarts_.size(); ++k) levelStarts_[k] += levelStarts_[k - 1];
  std::vector<std::uint32_t> order(pieces_.size());
  std::vector<std::size_t> next(levelStarts_.begin(), levelStarts_.end() - 1);
  for (std::uint32_t i = 0; i < pieces_.size(); ++i) order[next[static_cast<std::size_t>(pieces_[i].Level - lowest)]++] = i;
  return order;
}

void LineChains::JoinLevel(std::span<const std::uint32_t> level, MeetingTable& meeting) {
  meeting.Fill(level);
  for (const std::uint32_t first : level) {
    if (used_[first]) continue;
    used_[first] = true;
    back_.clear();
    front_.clear();
    Extend(back_, pieces_[first].ToKey, meeting);
    Extend(front_, pieces_[first].FromKey, meeting);
    const auto begin = static_cast<std::uint32_t>(ends_.size());
    ends_.insert(ends_.end(), front_.rbegin(), front_.rend());
    ends_.push_back(2 * first);
    ends_.push_back(2 * first + 1);
    ends_.insert(ends_.end(), back_.begin(), back_.end());
    chains_.push_back({first, begin, static_cast<std::uint32_t>(ends_.size())});
  }
}

// Follows unused pieces from the chain's end at `key`, noting the far end of each.
void LineChains::Extend(std::vector<std::uint32_t>& far, EndKey key, MeetingTable& meeting) {
  while (const std::optional<std::uint32_t> piece = meeting.Take(key)) {
    const LinePiece& p = pieces_[*piece];
    const bool fromHere = p.FromKey == key;
    far.push_back(2 * *piece + (fromHere ? 1 : 0));
    key = fromHere ? p.ToKey : p.FromKey;
  }
}

}  // namespace tarn
