# Each window's description as typed data, in a builder beside the window's handlers, relative
# to the source root. Only tools/write_descriptions compiles them, natively or, in a cross
# build, as a host tool: the programs store what it writes.
set(TESSEL_WINDOW_BUILDER_SOURCES
  program/tool_window_description.cpp
  program/start/wstart_description.cpp
  program/dice/die_window_data.cpp
  program/dice/die_window_description.cpp
  program/about/info_fr_description.cpp)
