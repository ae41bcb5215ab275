# Cross build for 64-bit Windows with Debian's mingw-w64 (the -posix compilers: Qt needs std::thread).
# Test programs run through Wine, so ctest runs the same list as on Linux.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORVESC_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVESC_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVESC_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVESC_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORVESC_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Packages come from CMAKE_PREFIX_PATH (the Windows Qt) and, for Qt's host tools, from the Linux Qt.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

find_program(ORVESC_WINE NAMES wine wine64)
if(ORVESC_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVESC_WINE})
endif()

# Header-only packages of the host that the project uses.
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/cross/nlohmann_json)
