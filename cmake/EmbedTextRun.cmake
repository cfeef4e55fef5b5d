# Script mode: writes the bytes of IN as a character array named SYMBOL into OUT.
file(READ ${IN} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(('[^']+',){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT} "// Generated from ${IN}.\nextern const char ${SYMBOL}[] = {\n${bytes}'\\0'};\n")
