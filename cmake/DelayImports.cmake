# Delay-import libraries: a DLL imported through one is loaded when the program first calls
# it instead of before its first line runs. The panel needs some of its device and control
# libraries only for some actions or after its window is up, and every library loaded at start
# holds the window back. (The picture library and the common dialogs are bound in the code at
# their first call, in both builds: toolkit/late_entry.h.)
#
# trv_delay_import(<var> <dll>...) sets <var> to the libraries to link in place of the usual
# import libraries of those DLLs (plus the runtime's loader helper). Each is made once, at
# configure time, from the toolchain's own import library, so it names the same functions.
# The 32-bit toolchain's loader helper jumps to address 0 for a DLL that is not loaded yet
# (seen with setupapi, ole32, comctl32 and winmm), so there the usual import libraries stay.
function(trv_delay_import out_var)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(${out_var} "${ARGN}" PARENT_SCOPE)
    return()
  endif()
  set(libs)
  foreach(dll IN LISTS ARGN)
    set(delay_lib "${CMAKE_BINARY_DIR}/delay-imports/libdelay_${dll}.a")
    if(NOT EXISTS "${delay_lib}")
      set(import_lib "${CMAKE_FIND_ROOT_PATH}/lib/lib${dll}.a")
      if(NOT EXISTS "${import_lib}")
        message(FATAL_ERROR "no import library for ${dll}: ${import_lib}")
      endif()
      execute_process(COMMAND ${CMAKE_NM} -g "${import_lib}" OUTPUT_VARIABLE symbols
                      RESULT_VARIABLE nm_result)
      if(NOT nm_result EQUAL 0)
        message(FATAL_ERROR "cannot list ${import_lib}")
      endif()
      # Each function appears as its import pointer, __imp_Name; the library's own markers
      # are left out.
      string(REGEX MATCHALL "I __imp_[A-Za-z0-9_@?$]+" entries "${symbols}")
      set(def "LIBRARY ${dll}.dll\nEXPORTS\n")
      foreach(entry IN LISTS entries)
        string(REGEX REPLACE "^I __imp_" "" name "${entry}")
        string(APPEND def "  ${name}\n")
      endforeach()
      file(WRITE "${CMAKE_BINARY_DIR}/delay-imports/${dll}.def" "${def}")
      execute_process(COMMAND ${TRV_TRIPLE}-dlltool
                              --input-def "${CMAKE_BINARY_DIR}/delay-imports/${dll}.def"
                              --output-delaylib "${delay_lib}"
                      RESULT_VARIABLE dlltool_result)
      if(NOT dlltool_result EQUAL 0)
        message(FATAL_ERROR "cannot make the delay-import library of ${dll}")
      endif()
    endif()
    list(APPEND libs "${delay_lib}")
  endforeach()
  list(APPEND libs delayimp)
  set(${out_var} "${libs}" PARENT_SCOPE)
endfunction()
