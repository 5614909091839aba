# cmake -DINPUT=file -DOUTPUT=file.cpp -DNAME=SYMBOL -DHEADER=header.h -P embed_bytes.cmake
# Writes the bytes of INPUT as a C++ array NAME and its size NAME_SIZE.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n"
       bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
     "// Generated from ${INPUT}; do not edit.\n#include \"${HEADER}\"\n\n"
     "const unsigned char ${NAME}[] = {\n${bytes}\n};\n"
     "const size_t ${NAME}_SIZE = ${size};\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
