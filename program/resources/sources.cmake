# The five pictures as data, relative to the source root: the small ones' tables, the figure's
# drawing, and the figure as the committed file that the build embeds. The build and, in a cross
# build, the host tools compile the same files.
set(TESSEL_PICTURE_TABLE_SOURCES
  program/resources/indexed_icon.cpp
  program/resources/rgb_image.cpp
  program/resources/start_icon.cpp
  program/resources/ball_cursor.cpp
  program/resources/strips.cpp
  program/resources/about_figure.cpp
  program/resources/about_picture.cpp)

set(TESSEL_ABOUT_PICTURE_FILE program/resources/about_picture.bmp)
