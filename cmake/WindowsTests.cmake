# GoogleTest from Debian's sources, built with this toolchain.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
set(TRV_TEST_RESULTS ${CMAKE_BINARY_DIR}/test-results)

function(trv_add_gtest name)
  add_executable(${name} ${ARGN})
  trv_target_defaults(${name})
  target_link_libraries(${name} PRIVATE gtest gtest_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_output=xml:Z:${TRV_TEST_RESULTS}/${name}.xml)
  # Tests share one Wine server, its services and the debug-output channel. The programs they
  # start answer the toolkit's inspection message, which a user's program does not.
  set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine TIMEOUT 900
                       ENVIRONMENT TRV42XX_INSPECT=1)
endfunction()
