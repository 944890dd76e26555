# cmake -D PROGRAMMA=<Qt test program> -D LIJST=<file> -D SCHERM=<offscreen screens> -P qt_tests_vinden.cmake
# Asks the program for its test functions and writes one ctest entry for each into LIJST.
# A function whose name starts with "kleinScherm" runs at a scale factor of 2 on the
# screen SCHERM describes.
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
  set(omgeving "QT_QPA_PLATFORM=offscreen;QT_ASSUME_STDERR_HAS_CONSOLE=1")
  if(functie MATCHES "^kleinScherm")
    set(omgeving "QT_QPA_PLATFORM=offscreen:configfile=${SCHERM};QT_SCALE_FACTOR=2;QT_ASSUME_STDERR_HAS_CONSOLE=1")
  endif()
  string(APPEND inhoud
    "add_test([=[venster.${functie}]=] [=[${PROGRAMMA}]=] ${functie})\n"
    "set_tests_properties([=[venster.${functie}]=] PROPERTIES TIMEOUT 300 ENVIRONMENT\n"
    "  [=[${omgeving}]=])\n")
endforeach()
file(WRITE ${LIJST} "${inhoud}")
