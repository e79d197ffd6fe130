# Script mode: writes OUTPUT, a C++ source that holds each of FILES ("|"-separated
# paths relative to BASE) as a byte array, and EmbeddedFiles(), the table of them
# by path. Any C++ toolchain compiles it; no resource compiler is involved.
string(REPLACE "|" ";" files "${FILES}")
set(arrays "")
set(table "")
set(index 0)
foreach(file IN LISTS files)
    file(READ ${BASE}/${file} hex HEX)
    string(LENGTH "${hex}" digits)
    math(EXPR size "${digits} / 2")
    if(size EQUAL 0)
        message(FATAL_ERROR "${BASE}/${file} is empty; an embedded file needs at least one byte")
    endif()
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND arrays "const std::uint8_t kFile${index}[${size}] = {${bytes}};\n")
    string(APPEND table "    {\"${file}\", kFile${index}},\n")
    math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}.new "// Made by cmake/EmbedFiles.cmake from the files under res/; do not edit.
#include \"res/EmbeddedFile.h\"

namespace lumet {

namespace {

${arrays}
const EmbeddedFile kFiles[] = {
${table}};

} // namespace

std::span<const EmbeddedFile> EmbeddedFiles() {
    return kFiles;
}

} // namespace lumet
")
# Unchanged artwork leaves the source untouched, so nothing recompiles.
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
