// tarnplot: the desktop window, or with --batch the same commands without a window.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "batch/BatchRunner.h"

#ifdef TARNPLOT_WITH_UI
#include "ui/DesktopApp.h"
#endif

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--batch") == 0) {
    std::vector<std::string> args(argv + 2, argv + argc);
    return tarn::RunBatch(args, std::cout, std::cerr);
  }
#ifdef TARNPLOT_WITH_UI
  return tarn::RunDesktopApp(argc, argv);
#else
  std::cerr << "tarnplot: built without the desktop window; use --batch\n";
  return 2;
#endif
}
