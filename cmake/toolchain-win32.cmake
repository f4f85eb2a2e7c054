# The shipping build for 32-bit Windows. This machine cannot run 32-bit Wine,
# so its tests are built but not run.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUILLORY_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
