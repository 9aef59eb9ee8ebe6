# The description format's sources, relative to the source root. The build and, in a cross
# build, the host tools compile the same files.

# Reading (validating every field), and the dump for people.
set(TESSEL_DESCRIPTIONS_SOURCES
  runtime/descriptions/byte_cursor.cpp
  runtime/descriptions/codes.cpp
  runtime/descriptions/cp1252.cpp
  runtime/descriptions/description_error.cpp
  runtime/descriptions/dump.cpp
  runtime/descriptions/hex.cpp
  runtime/descriptions/model.cpp
  runtime/descriptions/picture_kind.cpp
  runtime/descriptions/picture_layout.cpp
  runtime/descriptions/picture_summary.cpp
  runtime/descriptions/picture_value.cpp
  runtime/descriptions/quoted_text.cpp
  runtime/descriptions/reader.cpp
  runtime/descriptions/system_colour.cpp
  runtime/descriptions/value_reader.cpp
  runtime/descriptions/value_text.cpp)

# Writing, which only the build machine does: the programs read the bytes it wrote.
set(TESSEL_DESCRIPTION_WRITER_SOURCES
  runtime/descriptions/byte_writer.cpp
  runtime/descriptions/value_writer.cpp
  runtime/descriptions/writer.cpp)
