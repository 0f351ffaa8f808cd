#include "mesh/MeshEdges.h"

#include <algorithm>
#include <cassert>

namespace tarn {

namespace {

// The finaliser of splitmix64 over the pair: spreads unrelated pairs over the table.
std::uint64_t HashPair(std::uint32_t low, std::uint32_t high) {
  std::uint64_t key = (std::uint64_t{low} << 32) | high;
  key ^= key >> 30;
  key *= 0xbf58476d1ce4e5b9ULL;
  key ^= key >> 27;
  key *= 0x94d049bb133111ebULL;
  key ^= key >> 31;
  return key;
}

// Pairs whose indices differ by less than 1/kNearShare of the point count are placed by
// index: with unrelated indices so few of them are that their low indices spread evenly.
constexpr std::size_t kNearShare = 64;
constexpr std::uint32_t kLeastNearSpan = 64;

// A pair is keyed by its lower and its higher index.
std::uint32_t Low(PointIndex u, PointIndex v) {
  return static_cast<std::uint32_t>(std::min(u, v));
}
std::uint32_t High(PointIndex u, PointIndex v) {
  return static_cast<std::uint32_t>(std::max(u, v));
}

// Tables are kept at most three quarters full.
std::size_t CapacityFor(std::size_t pairs) {
  return std::max<std::size_t>(16, pairs + pairs / 3 + 1);
}

}  // namespace

MeshEdges::MeshEdges(std::size_t expectedEdges, std::size_t pointCount)
    : pointCount_(std::max<std::size_t>(pointCount, 1)),
      nearSpan_(static_cast<std::uint32_t>(
          std::max<std::size_t>(pointCount / kNearShare, kLeastNearSpan))) {
  Resize(CapacityFor(expectedEdges));
}

unsigned MeshEdges::AddTriangle(PointIndex v1, PointIndex v2, PointIndex v3) {
  const unsigned first = AddDirectedEdge(v1, v2) ? 1 : 0;
  const unsigned second = AddDirectedEdge(v2, v3) ? 2 : 0;
  const unsigned third = AddDirectedEdge(v3, v1) ? 4 : 0;
  return first | second | third;
}

bool MeshEdges::AddDirectedEdge(PointIndex start, PointIndex end) {
  assert(start != end && "a triangle's corners are distinct");
  if ((used_ + 1) * 4 > keys_.size() * 3) Resize(2 * keys_.size());
  const std::size_t slot = FindSlot(Low(start, end), High(start, end));
  const bool heldBefore = keys_[slot] != kEmpty;
  if (!heldBefore) {
    keys_[slot] = (std::uint64_t{Low(start, end)} << 32) | High(start, end);
    ++used_;
  }
  std::uint8_t& info = infos_[slot];
  if ((info & kCountMask) < 3) ++info;
  info |= start < end ? kLowToHigh : kHighToLow;
  return heldBefore;
}

int MeshEdges::HolderCount(PointIndex u, PointIndex v) const {
  return infos_[FindSlot(Low(u, v), High(u, v))] & kCountMask;
}

bool MeshEdges::HasDirectedEdge(PointIndex start, PointIndex end) const {
  const std::uint8_t info = infos_[FindSlot(Low(start, end), High(start, end))];
  return (info & (start < end ? kLowToHigh : kHighToLow)) != 0;
}

void MeshEdges::Prefetch(PointIndex u, PointIndex v) const {
  const std::size_t home = HomeOf(Low(u, v), High(u, v));
  __builtin_prefetch(&keys_[home]);
  __builtin_prefetch(&infos_[home]);
}

// Nearby indices: the low index scaled to the table (indices beyond the point count wrap
// round). Others: the hash scaled to the table.
std::size_t MeshEdges::HomeOf(std::uint32_t low, std::uint32_t high) const {
  const std::uint64_t size = keys_.size();
  if (high - low >= nearSpan_) {
    return static_cast<std::size_t>(((HashPair(low, high) >> 32) * size) >> 32);
  }
  const std::uint64_t home = (low * homeScale_) >> kHomeShift;
  return static_cast<std::size_t>(home < size ? home : home % size);
}

// The slot holding the pair, or the empty slot where it would go (its info is 0).
std::size_t MeshEdges::FindSlot(std::uint32_t low, std::uint32_t high) const {
  const std::uint64_t key = (std::uint64_t{low} << 32) | high;
  std::size_t index = HomeOf(low, high);
  for (;;) {
    const std::uint64_t here = keys_[index];
    if (here == kEmpty || here == key) return index;
    if (++index == keys_.size()) index = 0;
  }
}

void MeshEdges::Resize(std::size_t capacity) {
  std::vector<std::uint64_t> oldKeys(capacity, kEmpty);
  std::vector<std::uint8_t> oldInfos(capacity, 0);
  oldKeys.swap(keys_);
  oldInfos.swap(infos_);
  homeScale_ = (std::uint64_t{capacity} << kHomeShift) / pointCount_;
  for (std::size_t i = 0; i < oldKeys.size(); ++i) {
    if (oldKeys[i] == kEmpty) continue;
    const std::size_t slot = FindSlot(static_cast<std::uint32_t>(oldKeys[i] >> 32),
                                      static_cast<std::uint32_t>(oldKeys[i]));
    keys_[slot] = oldKeys[i];
    infos_[slot] = oldInfos[i];
  }
}

}  // namespace tarn
