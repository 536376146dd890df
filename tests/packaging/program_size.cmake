# Fails when PROGRAM is larger than LIMIT bytes, or carries a symbol table or debug sections.
#   cmake -DPROGRAM=FILE -DLIMIT=BYTES -P program_size.cmake
file(SIZE "${PROGRAM}" bytes)
if(bytes GREATER LIMIT)
    message(FATAL_ERROR "${PROGRAM} is ${bytes} bytes, more than ${LIMIT}")
endif()
file(READ "${PROGRAM}" header LIMIT 512 HEX)
# The PE header's offset (e_lfanew at 0x3C), then its COFF header's PointerToSymbolTable (at +12).
string(SUBSTRING "${header}" 120 8 offsetHex)
string(REGEX REPLACE "(..)(..)(..)(..)" "\\4\\3\\2\\1" offsetHex "${offsetHex}")
math(EXPR symbolsAt "(0x${offsetHex} + 12) * 2")
string(SUBSTRING "${header}" ${symbolsAt} 8 symbols)
if(NOT symbols STREQUAL "00000000")
    message(FATAL_ERROR "${PROGRAM} carries a symbol table")
endif()
message(STATUS "${PROGRAM}: ${bytes} bytes")
