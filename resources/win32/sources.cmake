# The builders of Tessel98.exe's resources, relative to the source root. The build and, in a
# cross build, the host tools compile the same files, so the bytes the tests check are the
# bytes the executable carries.
set(TESSEL_EXE_RESOURCE_SOURCES
  resources/win32/version_block.cpp
  resources/win32/tessel_version.cpp
  resources/win32/icon_resources.cpp)

# StartIcon's file, for the host tools that have no tessel_resources to link.
set(TESSEL_START_ICON_SOURCES
  resources/start_icon.cpp
  resources/icon_file.cpp)
