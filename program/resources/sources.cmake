# The five pictures and the encoders that turn their tables into files, relative to the source
# root. The build and, in a cross build, the host tools compile the same files; the figure comes
# as a committed file besides, embedded by tessel_embed_file.
set(TESSEL_PICTURE_ENCODER_SOURCES
  program/resources/icon_file.cpp
  program/resources/bitmap_file.cpp)

set(TESSEL_PICTURE_SOURCES
  program/resources/start_icon.cpp
  program/resources/ball_cursor.cpp
  program/resources/strips.cpp
  program/resources/about_picture.cpp)

set(TESSEL_ABOUT_PICTURE_FILE program/resources/about_picture.bmp)
