# Our own targets get the warnings; third-party code (GoogleTest) does not.
function(trv_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE _WIN32_WINNT=0x0601 WINVER=0x0601
                                                 NOMINMAX WIN32_LEAN_AND_MEAN)
  endif()
endfunction()

if(NOT WIN32)
  option(TRV_SANITIZE "Build the native core with AddressSanitizer and UBSan" ON)
  if(TRV_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()

set(TRV_VERSION_COMMA "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},${PROJECT_VERSION_TWEAK}")
set(TRV_VERSION_TEXT "${PROJECT_VERSION}")

# Pictures and icons rendered at build time.
set(TRV_GENERATED ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${TRV_GENERATED})
