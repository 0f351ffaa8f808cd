// Another program's side of the automatic reload: rewrites a standard-form contour file in
// place, version after version, some versions slowly and in pieces, as a logger would.
//
//   rewriting_writer FILE FIRST LAST SAMPLES
// writes versions FIRST..LAST of a SAMPLES-sample file (fixed positions, values that change
// with the version), pausing between versions and now and then for longer.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

std::string Version(int version, int samples) {
  std::string text = "x\ty\tvalue\r\n";
  const int side = static_cast<int>(std::ceil(std::sqrt(samples)));
  char line[96];
  for (int i = 0; i < samples; ++i) {
    const double x = i % side + 0.25 * ((i * 7919) % 13) / 13.0;
    const double y = i / side + 0.25 * ((i * 104729) % 17) / 17.0;
    const double v = std::sin(x / 7 + version * 0.3) * std::cos(y / 5) + 0.001 * version;
    std::snprintf(line, sizeof line, "%.4f\t%.4f\t%.6f\r\n", x, y, v);
    text += line;
  }
  return text;
}

void Pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: rewriting_writer FILE FIRST LAST SAMPLES\n");
    return 2;
  }
  const std::string path = argv[1];
  const int first = std::atoi(argv[2]), last = std::atoi(argv[3]), samples = std::atoi(argv[4]);
  for (int version = first; version <= last; ++version) {
    const std::string text = Version(version, samples);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 1;
    // Every third version is written in three pieces with pauses between them.
    const bool slow = version % 3 == 0;
    const std::size_t piece = slow ? text.size() / 3 + 1 : text.size();
    for (std::size_t at = 0; at < text.size(); at += piece) {
      std::fwrite(text.data() + at, 1, std::min(piece, text.size() - at), file);
      std::fflush(file);
      if (slow) Pause(40);
    }
    std::fclose(file);
    Pause(version % 10 == 0 ? 600 : 30);
  }
  return 0;
}
