#include "mesh/MeshEdges.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace tarn {

namespace {

// The finaliser of splitmix64 over the pair: spreads neighbouring indices over the table.
std::size_t HashPair(std::uint32_t low, std::uint32_t high) {
  std::uint64_t key = (std::uint64_t{low} << 32) | high;
  key ^= key >> 30;
  key *= 0xbf58476d1ce4e5b9ULL;
  key ^= key >> 27;
  key *= 0x94d049bb133111ebULL;
  key ^= key >> 31;
  return static_cast<std::size_t>(key);
}

// A pair is keyed by its lower and its higher index.
std::uint32_t Low(PointIndex u, PointIndex v) {
  return static_cast<std::uint32_t>(std::min(u, v));
}
std::uint32_t High(PointIndex u, PointIndex v) {
  return static_cast<std::uint32_t>(std::max(u, v));
}

// Tables are kept at most three quarters full.
std::size_t CapacityFor(std::size_t pairs) {
  return std::bit_ceil(std::max<std::size_t>(16, pairs + pairs / 3 + 1));
}

}  // namespace

MeshEdges::MeshEdges(std::size_t expectedEdges)
    : slots_(CapacityFor(expectedEdges)), mask_(slots_.size() - 1) {}

void MeshEdges::AddTriangle(PointIndex v1, PointIndex v2, PointIndex v3) {
  AddDirectedEdge(v1, v2);
  AddDirectedEdge(v2, v3);
  AddDirectedEdge(v3, v1);
}

void MeshEdges::AddDirectedEdge(PointIndex start, PointIndex end) {
  assert(start != end && "a triangle's corners are distinct");
  if ((used_ + 1) * 4 > slots_.size() * 3) Grow();
  Slot& slot = slots_[FindSlot(Low(start, end), High(start, end))];
  if ((slot.Info & kCountMask) == 0) {
    slot.Low = Low(start, end);
    slot.High = High(start, end);
    ++used_;
  }
  if ((slot.Info & kCountMask) < 3) ++slot.Info;
  slot.Info |= start < end ? kLowToHigh : kHighToLow;
}

int MeshEdges::HolderCount(PointIndex u, PointIndex v) const {
  return slots_[FindSlot(Low(u, v), High(u, v))].Info & kCountMask;
}

bool MeshEdges::HasDirectedEdge(PointIndex start, PointIndex end) const {
  const std::uint8_t info = slots_[FindSlot(Low(start, end), High(start, end))].Info;
  return (info & (start < end ? kLowToHigh : kHighToLow)) != 0;
}

void MeshEdges::Prefetch(PointIndex u, PointIndex v) const {
  __builtin_prefetch(&slots_[HashPair(Low(u, v), High(u, v)) & mask_]);
}

// The slot holding the pair, or the empty slot where it would go.
std::size_t MeshEdges::FindSlot(std::uint32_t low, std::uint32_t high) const {
  std::size_t index = HashPair(low, high) & mask_;
  for (;;) {
    const Slot& slot = slots_[index];
    if ((slot.Info & kCountMask) == 0 || (slot.Low == low && slot.High == high)) return index;
    index = (index + 1) & mask_;
  }
}

void MeshEdges::Grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  mask_ = slots_.size() - 1;
  for (const Slot& slot : old) {
    if ((slot.Info & kCountMask) == 0) continue;
    slots_[FindSlot(slot.Low, slot.High)] = slot;
  }
}

}  // namespace tarn
