// A program that saves one file again and again, for the test that kills it mid-save:
//   save_loop TARGET
// writes TARGET alternately as 8 MB of 'a' and 6 MB of 'b', for ever.
#include <cstdio>
#include <string>

#include "base/TextFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: save_loop TARGET\n");
    return 2;
  }
  const std::string a(8 << 20, 'a'), b(6 << 20, 'b');
  for (unsigned round = 0;; ++round) tarn::WriteFileAtomically(argv[1], round % 2 ? b : a);
}
