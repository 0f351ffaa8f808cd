#include "mesh/EdgeBuckets.h"

namespace tarn {

void EdgeBuckets::Append(int place, FiledEdge edge) {
  std::int32_t& head = newest_[place];
  if (head == kNoChunk || ChunkAt(head).Count == kChunkEdges) head = NewChunk(head);
  Chunk& chunk = ChunkAt(head);
  chunk.Edges[chunk.Count++] = edge;
}

std::int32_t EdgeBuckets::NewChunk(std::int32_t next) {
  if (chunkCount_ % kChunksPerBlock == 0) {
    blocks_.push_back(std::make_unique<Chunk[]>(kChunksPerBlock));
  }
  const std::int32_t id = chunkCount_++;
  ChunkAt(id) = {next, 0, {}};
  return id;
}

}  // namespace tarn
