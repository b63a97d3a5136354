// The process entry point of Pellumbra, Corvane's window program.
#include "app/converter_app.h"
#include "platform/dshow/media/install.h"
#include "res/corvane_resources.h"

ConverterApp theApp;

int main(int argc, char** argv) {
  // The media filters stand in for the ones a desktop has installed: every
  // graph the program builds finds them registered.
  InstallMediaFilters();
  return AfxWinMain(argc, argv, CorvaneResources());
}
