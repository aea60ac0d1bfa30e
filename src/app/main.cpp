// Program entry: no arguments are read.
#include "app/qt_application.h"

int main(int argc, char* argv[]) {
  return RunKeyslinger(argc, argv);
}
