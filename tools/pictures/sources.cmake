# The encoders that turn the pictures' tables into the files the windows store, relative to the
# source root. The build and, in a cross build, the host tools compile the same files.
set(TESSEL_PICTURE_FILE_SOURCES
  tools/pictures/bitmap_file.cpp
  tools/pictures/icon_file.cpp
  tools/pictures/picture_files.cpp)
