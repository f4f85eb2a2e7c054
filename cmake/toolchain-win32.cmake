# The shipping build for 32-bit Windows. Its tests run under the private
# 32-bit Wine of the build tree (scripts/wine32-root.sh), with a prefix of its own.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUILLORY_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh --win32)
