# The builders of Tessel98.exe's resources, relative to the source root. The build and, in a
# cross build, the host tools compile the same files, so the bytes the tests check are the
# bytes the executable carries.
set(TESSEL_EXE_RESOURCE_SOURCES
  program/resources/win32/version_block.cpp
  program/resources/win32/tessel_version.cpp
  program/resources/win32/icon_resources.cpp)
