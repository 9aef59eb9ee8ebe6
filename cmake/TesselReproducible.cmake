# The same bytes from any folder: the compiler writes the paths of sources and generated files
# into the debugging information and into __FILE__, and the build id of the Linux program and
# the debug link of Tessel98.exe are checksums over them. These maps give both folders fixed
# names. The last map that matches a path wins, and the build folder may lie inside the sources,
# so it comes second.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
                    -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
