# The builders of Tessel98.exe's resources, relative to the source root. The build and, in a
# cross build, the host tools compile the same files, so the bytes the tests check are the
# bytes the executable carries.
set(TESSEL_EXE_RESOURCE_SOURCES
  tools/exe_resources/version_block.cpp
  tools/exe_resources/tessel_version.cpp
  tools/exe_resources/icon_resources.cpp)
