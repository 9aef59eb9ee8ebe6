#include "program/project.h"
#include "runtime/core/start.h"

int main() { tessel::runtime::Start(tessel::app::TesselProject()); }
