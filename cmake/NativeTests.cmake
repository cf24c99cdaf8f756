find_package(GTest REQUIRED)
set(TRV_TEST_RESULTS ${CMAKE_BINARY_DIR}/test-results)

# One ctest entry per test program; the program's own XML report gives the case counts.
function(trv_add_gtest name)
  add_executable(${name} ${ARGN})
  trv_target_defaults(${name})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_output=xml:${TRV_TEST_RESULTS}/${name}.xml)
endfunction()
