# Writes OUTPUT, a C++ source that carries the whole file LIBRARY as
# SkinLibraryImage and the file SKIN as SkinData, as constant bytes.
# cmake -DLIBRARY=<file> -DSKIN=<file> -DOUTPUT=<file.cpp> -P EmbedSkin.cmake

function(byte_array file name result)
  file(READ "${file}" hex HEX)
  if(hex STREQUAL "")
    message(FATAL_ERROR "${file} is empty")
  endif()
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REPEAT "0x[0-9a-f][0-9a-f]," 16 row)
  string(REGEX REPLACE "(${row})" "\\1\n    " bytes "${bytes}")
  get_filename_component(shown "${file}" NAME)
  set(${result} "// ${shown}\nconst unsigned char ${name}[] = {\n    ${bytes}\n};\n" PARENT_SCOPE)
endfunction()

byte_array("${LIBRARY}" libraryBytes library)
byte_array("${SKIN}" skinBytes skin)
file(WRITE "${OUTPUT}" "// Made by the build from the skin library it built and the skin; not to be edited.
#include \"skin/CarriedSkin.h\"

namespace {

${library}
${skin}
}  // namespace

constinit const std::span<const unsigned char> SkinLibraryImage(libraryBytes);
constinit const std::span<const unsigned char> SkinData(skinBytes);
")
