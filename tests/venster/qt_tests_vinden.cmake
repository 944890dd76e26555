# cmake -D PROGRAMMA=<Qt test program> -D LIJST=<file> -P qt_tests_vinden.cmake
# Asks the program for its test functions and writes one ctest entry for each into LIJST.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          ${PROGRAMMA} -functions
  OUTPUT_VARIABLE uit ERROR_VARIABLE fout RESULT_VARIABLE status)
string(REGEX MATCHALL "[A-Za-z_][A-Za-z0-9_]*\\(\\)" functies "${uit}")
if(NOT status EQUAL 0 OR NOT functies)
  message(FATAL_ERROR "${PROGRAMMA} -functions gaf geen testfuncties (status ${status}):\n${uit}${fout}")
endif()

set(inhoud "")
foreach(functie IN LISTS functies)
  string(REPLACE "()" "" functie "${functie}")
  string(APPEND inhoud
    "add_test([=[venster.${functie}]=] [=[${PROGRAMMA}]=] ${functie})\n"
    "set_tests_properties([=[venster.${functie}]=] PROPERTIES TIMEOUT 300 ENVIRONMENT\n"
    "  [=[QT_QPA_PLATFORM=offscreen;QT_ASSUME_STDERR_HAS_CONSOLE=1]=])\n")
endforeach()
file(WRITE ${LIJST} "${inhoud}")
