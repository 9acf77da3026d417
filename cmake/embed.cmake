# Writes the bytes of IN as a C++ array (ui::headless::kCompiledResources) into OUT.
file(READ ${IN} hex HEX)
string(LENGTH "${hex}" len)
math(EXPR n "${len} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," body "${hex}")
string(REGEX REPLACE "((0x..,){32})" "\\1\n" body "${body}")
file(WRITE ${OUT} "// Generated from the compiled resources; do not edit.\n#include <cstddef>\n#include <cstdint>\nnamespace ui::headless {\nextern const std::uint8_t kCompiledResources[];\nextern const std::size_t kCompiledResourcesSize;\nconst std::uint8_t kCompiledResources[] = {\n${body}\n};\nconst std::size_t kCompiledResourcesSize = ${n};\n}\n")
