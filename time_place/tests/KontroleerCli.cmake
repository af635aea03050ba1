# Runs a command-line tool and checks its exit status and output, for CTest:
#   cmake -DCLI=<program> -DARGS=<a|b|c> -DSTATUS=<n> [-DUIT=<line|line>] [-DFOUT=<line|line>] -P KontroleerCli.cmake
# ARGS, UIT and FOUT are lists separated by "|". Every line of UIT must appear as a whole line of the
# standard output, every line of FOUT as a whole line of the standard error.

string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND "${CLI}" ${args}
  RESULT_VARIABLE status OUTPUT_VARIABLE uit ERROR_VARIABLE fout)

set(mislukt "")
if(NOT "${status}" STREQUAL "${STATUS}")
  string(APPEND mislukt "exit status ${status}, expected ${STATUS}\n")
endif()

function(kontroleer_regels naam tekst verwacht)
  string(REPLACE "|" ";" regels "${verwacht}")
  foreach(regel IN LISTS regels)
    string(FIND "\n${tekst}" "\n${regel}\n" positie)
    if(positie EQUAL -1)
      set(mislukt "${mislukt}missing line in ${naam}: \"${regel}\"\n" PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

if(DEFINED UIT)
  kontroleer_regels("standard output" "${uit}" "${UIT}")
endif()
if(DEFINED FOUT)
  kontroleer_regels("standard error" "${fout}" "${FOUT}")
endif()

if(mislukt)
  message(FATAL_ERROR "${CLI} ${ARGS}\n${mislukt}--- standard output:\n${uit}--- standard error:\n${fout}")
endif()
