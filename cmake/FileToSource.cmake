# Writes the bytes of IN as a C++ function SYMBOL() answering them, into OUT.
file(READ ${IN} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    "
       bytes "${bytes}")
file(WRITE ${OUT} "// Generated from ${IN}; do not edit.\n#include <cstdint>\n#include <vector>\n\n"
     "const std::vector<uint8_t>& ${SYMBOL}() {\n"
     "    static const std::vector<uint8_t> bytes{\n    ${bytes}};\n    return bytes;\n}\n")
