# cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DSYMBOL=<name> -DNAMESPACE=<a::b> -P embed_file.cmake
# Writes a C++ source defining the bytes of INPUT as NAMESPACE::SYMBOL, a span over a constant
# array. It is initialised before any code runs, so other files' globals may take it.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Twenty bytes to a line keeps the generated file readable in a debugger.
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){20})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
     "// Generated from ${INPUT}; do not edit.\n"
     "#include <cstdint>\n#include <span>\n\n"
     "namespace ${NAMESPACE} {\nnamespace {\n\n"
     "const std::uint8_t kBytes[] = {\n${bytes}\n};\n\n"
     "}  // namespace\n\n"
     "extern const std::span<const std::uint8_t> ${SYMBOL};\n"
     "constinit const std::span<const std::uint8_t> ${SYMBOL}(kBytes);\n\n"
     "}  // namespace ${NAMESPACE}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
