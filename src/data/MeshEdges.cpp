#include "data/MeshEdges.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace tarn {

namespace {

std::uint64_t PairKey(PointIndex u, PointIndex v) {
  const auto low = static_cast<std::uint32_t>(std::min(u, v));
  const auto high = static_cast<std::uint32_t>(std::max(u, v));
  return (std::uint64_t{low} << 32) | high;
}

// The finaliser of splitmix64: spreads neighbouring indices over the table.
std::size_t HashKey(std::uint64_t key) {
  key ^= key >> 30;
  key *= 0xbf58476d1ce4e5b9ULL;
  key ^= key >> 27;
  key *= 0x94d049bb133111ebULL;
  key ^= key >> 31;
  return static_cast<std::size_t>(key);
}

// Tables are kept at most three quarters full.
std::size_t CapacityFor(std::size_t pairs) {
  return std::bit_ceil(std::max<std::size_t>(16, pairs + pairs / 3 + 1));
}

}  // namespace

MeshEdges::MeshEdges(std::size_t expectedEdges)
    : keys_(CapacityFor(expectedEdges)), info_(keys_.size()), mask_(keys_.size() - 1) {}

void MeshEdges::AddTriangle(PointIndex v1, PointIndex v2, PointIndex v3) {
  AddDirectedEdge(v1, v2);
  AddDirectedEdge(v2, v3);
  AddDirectedEdge(v3, v1);
}

void MeshEdges::AddDirectedEdge(PointIndex start, PointIndex end) {
  assert(start != end && "a triangle's corners are distinct");
  if ((used_ + 1) * 4 > keys_.size() * 3) Grow();
  const std::uint64_t key = PairKey(start, end);
  const std::size_t slot = FindSlot(key);
  std::uint8_t& info = info_[slot];
  if ((info & kCountMask) == 0) {
    keys_[slot] = key;
    ++used_;
  }
  if ((info & kCountMask) < 3) ++info;
  info |= start < end ? kLowToHigh : kHighToLow;
}

int MeshEdges::HolderCount(PointIndex u, PointIndex v) const {
  return info_[FindSlot(PairKey(u, v))] & kCountMask;
}

bool MeshEdges::HasDirectedEdge(PointIndex start, PointIndex end) const {
  const std::uint8_t info = info_[FindSlot(PairKey(start, end))];
  return (info & (start < end ? kLowToHigh : kHighToLow)) != 0;
}

// The slot holding `key`, or the empty slot where it would go.
std::size_t MeshEdges::FindSlot(std::uint64_t key) const {
  std::size_t slot = HashKey(key) & mask_;
  while ((info_[slot] & kCountMask) != 0 && keys_[slot] != key) slot = (slot + 1) & mask_;
  return slot;
}

void MeshEdges::Grow() {
  std::vector<std::uint64_t> oldKeys(keys_.size() * 2);
  std::vector<std::uint8_t> oldInfo(info_.size() * 2);
  oldKeys.swap(keys_);
  oldInfo.swap(info_);
  mask_ = keys_.size() - 1;
  for (std::size_t i = 0; i < oldKeys.size(); ++i) {
    if ((oldInfo[i] & kCountMask) == 0) continue;
    const std::size_t slot = FindSlot(oldKeys[i]);
    keys_[slot] = oldKeys[i];
    info_[slot] = oldInfo[i];
  }
}

}  // namespace tarn
