# cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DSYMBOL=<name> -P embed_file.cmake
# Writes a C++ source defining the bytes of INPUT as tessel::resources::SYMBOL, its length as
# SYMBOL with "Bytes" replaced by "Size".
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Twenty bytes to a line keeps the generated file readable in a debugger.
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){20})" "\\1\n" bytes "${bytes}")
string(REPLACE "Bytes" "Size" size_symbol "${SYMBOL}")
file(WRITE "${OUTPUT}.tmp"
     "// Generated from ${INPUT}; do not edit.\n"
     "#include <cstddef>\n#include <cstdint>\n\n"
     "namespace tessel::resources {\n\n"
     "extern const std::uint8_t ${SYMBOL}[];\n"
     "extern const std::size_t ${size_symbol};\n\n"
     "const std::uint8_t ${SYMBOL}[] = {\n${bytes}\n};\n"
     "const std::size_t ${size_symbol} = ${size};\n\n"
     "}  // namespace tessel::resources\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
