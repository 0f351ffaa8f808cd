// The hashed joining of contour pieces gives exactly the chains of the plain procedure: start at
// the first unused piece, then take the first unused piece of the level meeting the chain's end.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "render/LineChains.h"

namespace tarn {
namespace {

struct PlainChains {
  std::vector<LineChains::Chain> Chains;
  std::vector<std::uint32_t> Ends;
};

// Every search a scan of all pieces; chains of different levels never meet, so starting them
// in piece order gives them in the order of their first piece.
PlainChains JoinPlainly(const std::vector<LinePiece>& pieces) {
  PlainChains out;
  std::vector<bool> used(pieces.size(), false);
  const auto takeAt = [&](std::int64_t level, EndKey key) -> std::optional<std::uint32_t> {
    for (std::uint32_t j = 0; j < pieces.size(); ++j) {
      if (!used[j] && pieces[j].Level == level && (pieces[j].FromKey == key || pieces[j].ToKey == key)) {
        used[j] = true;
        return j;
      }
    }
    return std::nullopt;
  };
  const auto extend = [&](std::int64_t level, EndKey key) {
    std::vector<std::uint32_t> far;
    while (const auto j = takeAt(level, key)) {
      const bool fromHere = pieces[*j].FromKey == key;
      far.push_back(2 * *j + (fromHere ? 1 : 0));
      key = fromHere ? pieces[*j].ToKey : pieces[*j].FromKey;
    }
    return far;
  };
  for (std::uint32_t i = 0; i < pieces.size(); ++i) {
    if (used[i]) continue;
    used[i] = true;
    const std::vector<std::uint32_t> back = extend(pieces[i].Level, pieces[i].ToKey);
    const std::vector<std::uint32_t> front = extend(pieces[i].Level, pieces[i].FromKey);
    const auto begin = static_cast<std::uint32_t>(out.Ends.size());
    out.Ends.insert(out.Ends.end(), front.rbegin(), front.rend());
    out.Ends.push_back(2 * i);
    out.Ends.push_back(2 * i + 1);
    out.Ends.insert(out.Ends.end(), back.begin(), back.end());
    out.Chains.push_back({i, begin, static_cast<std::uint32_t>(out.Ends.size())});
  }
  return out;
}

// Keys from a small pool, so that edges meet two pieces or more and corners many; levels
// negative and positive, pieces with both ends on one key.
std::vector<LinePiece> RandomPieces(std::uint32_t seed, int count, int corners, int levels) {
  std::mt19937 random(seed);
  const auto key = [&] {
    const PointIndex a = static_cast<PointIndex>(random() % static_cast<unsigned>(corners));
    const PointIndex b = random() % 4 == 0 ? a : static_cast<PointIndex>(random() % static_cast<unsigned>(corners));
    return EndKey{std::min(a, b), std::max(a, b)};
  };
  std::vector<LinePiece> pieces;
  for (int i = 0; i < count; ++i) {
    const std::int64_t level = static_cast<std::int64_t>(random() % static_cast<unsigned>(levels)) - levels / 2;
    pieces.push_back({level, kBlack, key(), key(), {i, 0}, {i, 1}});
  }
  return pieces;
}

TEST(LineChainsTest, GivesThePlainProceduresChains) {
  struct Case {
    int Count, Corners, Levels;
  };
  for (const Case c : {Case{0, 1, 1}, Case{1, 3, 1}, Case{40, 4, 1}, Case{300, 12, 3}, Case{2000, 60, 7},
                       Case{3000, 2000, 2}}) {
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
      const std::vector<LinePiece> pieces = RandomPieces(seed, c.Count, c.Corners, c.Levels);
      const PlainChains plain = JoinPlainly(pieces);
      const LineChains fast(pieces);
      SCOPED_TRACE(::testing::Message() << c.Count << " pieces on " << c.Corners << " corners, seed " << seed);
      // The ends are stored level by level, so chains are compared by their runs of ends.
      const auto runs = [](const std::vector<LineChains::Chain>& chains, const std::vector<std::uint32_t>& ends) {
        std::vector<std::vector<std::uint32_t>> out;
        for (const LineChains::Chain& chain : chains) out.emplace_back(&ends[chain.Begin], &ends[chain.End]);
        return out;
      };
      EXPECT_EQ(runs(fast.Chains(), fast.Ends()), runs(plain.Chains, plain.Ends));
    }
  }
}

}  // namespace
}  // namespace tarn
