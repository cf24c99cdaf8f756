set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TRV_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Floating point in SSE registers, as the 64-bit build does it: the x87 unit's wider
# intermediates would make a truncated speaker place fall a pixel short (80.0000000000000044
# instead of 80), so both builds compute the device's geometry alike.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
