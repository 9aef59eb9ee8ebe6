#include "program/project.h"
#include "runtime/core/start.h"

int main(int argc, char** argv) {
  tessel::runtime::Start(tessel::app::TesselProject(), tessel::app::TesselCommandLine(), argc,
                         argv);
}
