#include "app/project.h"
#include "app/runtime/start.h"

int main() { tessel::runtime::Start(tessel::app::TesselProject()); }
