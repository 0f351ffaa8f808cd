// The mesh edges filed by place (a cell of the grid, a leaf of the tree): per place a chain
// of chunks of one cache line each, newest first, so that filing never moves an edge.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace tarn {

class EdgeBuckets {
 public:
  // An edge as the positions of its start and end in the index's own list of points.
  struct FiledEdge {
    std::int32_t Start;
    std::int32_t End;
  };

  explicit EdgeBuckets(std::size_t places) : newest_(places, kNoChunk) {}

  void Append(int place, FiledEdge edge);

  // Calls test(edge) for the edges filed at `place` until one returns true; returns whether
  // one did.
  template <class Test>
  bool AnyOf(int place, Test test) const {
    for (std::int32_t id = newest_[place]; id != kNoChunk;) {
      const Chunk& chunk = ChunkAt(id);
      // Read once: the test writes through pointers the compiler cannot tell apart.
      const int count = chunk.Count;
      for (int i = 0; i < count; ++i) {
        if (test(chunk.Edges[i])) return true;
      }
      id = chunk.Next;
    }
    return false;
  }

 private:
  static constexpr int kChunkEdges = 7;
  struct Chunk {
    std::int32_t Next;
    std::int32_t Count;
    FiledEdge Edges[kChunkEdges];
  };
  static constexpr int kChunksPerBlock = 4096;
  static constexpr std::int32_t kNoChunk = -1;

  // Ids are never negative here; unsigned, the block and slot are a shift and a mask.
  Chunk& ChunkAt(std::int32_t id) const {
    const auto unsignedId = static_cast<std::uint32_t>(id);
    return blocks_[unsignedId / kChunksPerBlock][unsignedId % kChunksPerBlock];
  }
  std::int32_t NewChunk(std::int32_t next);

  std::vector<std::int32_t> newest_;  // per place: the newest chunk, or kNoChunk
  std::vector<std::unique_ptr<Chunk[]>> blocks_;
  std::int32_t chunkCount_ = 0;
};

}  // namespace tarn
