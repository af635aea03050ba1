# Runs "orvan-cli chart" on a fresh program folder with the shipped data: one chart typed in clock
# time and in universal time, the same moment in batch mode, a moment next to a leap day, and
# invalid input, which must name the field and exit with status 2:
#   cmake -DCLI=<orvan-cli> -DHOME_MAP=<folder> -P KontroleerCliChart.cmake

file(REMOVE_RECURSE "${HOME_MAP}")
file(MAKE_DIRECTORY "${HOME_MAP}")
set(ENV{ORVAN_HOME} "${HOME_MAP}")
set(mislukt "")
set(plaats --lat 52N22 --long 4E53)

function(chart uitvoer)
  execute_process(COMMAND "${CLI}" chart ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE uit
                  ERROR_VARIABLE fout)
  if(NOT status EQUAL 0)
    set(mislukt "${mislukt}chart ${ARGN}: exit status ${status}: ${fout}\n" PARENT_SCOPE)
  endif()
  set(${uitvoer} "${uit}" PARENT_SCOPE)
endfunction()

# 13 August 2004, 11:41:09 clock time two hours east of Greenwich = 9:41:09 UT.
chart(klok --date 13.8.2004 --time 11:41:09 --diff 2:00 ${plaats})
chart(ut --date "13 8 2004" --time 9:41:09 --ut ${plaats})
if(NOT klok STREQUAL ut)
  string(APPEND mislukt "clock time and universal time differ:\n${klok}\n--\n${ut}\n")
endif()
foreach(regel "jd_ut 2453230.903576389" "porphyrius 0" "mcic 0")
  string(FIND "\n${klok}" "\n${regel}\n" positie)
  if(positie EQUAL -1)
    string(APPEND mislukt "missing line \"${regel}\" in:\n${klok}\n")
  endif()
endforeach()

# The batch line of the same moment holds the same numbers as the chart's lines.
string(REGEX MATCH "\nsidereal_h ([^\n]+)" _ "\n${klok}")
set(verwacht "2453230.903576389 ${CMAKE_MATCH_1}")
foreach(n RANGE 1 13)
  string(REGEX MATCH "\nbody ${n} ([^ ]+) " _ "\n${klok}")
  string(APPEND verwacht " ${CMAKE_MATCH_1}")
endforeach()
foreach(n RANGE 1 12)
  string(REGEX MATCH "\ncusp ${n} ([^\n]+)" _ "\n${klok}")
  string(APPEND verwacht " ${CMAKE_MATCH_1}")
endforeach()
file(WRITE "${HOME_MAP}/jd.txt" "\n2453230.903576389\n")
execute_process(COMMAND "${CLI}" chart --batch ${plaats} INPUT_FILE "${HOME_MAP}/jd.txt"
                RESULT_VARIABLE status OUTPUT_VARIABLE batch ERROR_VARIABLE fout)
if(NOT status EQUAL 0 OR NOT batch STREQUAL "${verwacht}\n")
  string(APPEND mislukt "batch (status ${status}, ${fout}):\n${batch}\nexpected:\n${verwacht}\n")
endif()

# Half past midnight on 1 March 1900, one hour east: 28 February 23:30 UT (1900 has no leap day).
chart(schrikkel --date 1.3.1900 --time 0:30 --diff 1:00 ${plaats})
string(FIND "${schrikkel}" "jd_ut 2415079.479166667\n" positie)
if(NOT positie EQUAL 0)
  string(APPEND mislukt "1 March 1900 00:30 at +1h:\n${schrikkel}\n")
endif()

function(ongeldig veld)
  execute_process(COMMAND "${CLI}" chart ${ARGN} RESULT_VARIABLE status OUTPUT_QUIET
                  ERROR_VARIABLE fout)
  string(FIND "${fout}" "${veld}" positie)
  if(NOT status EQUAL 2 OR positie EQUAL -1)
    set(mislukt "${mislukt}chart ${ARGN}: status ${status}, \"${fout}\" should name ${veld}\n"
        PARENT_SCOPE)
  endif()
endfunction()
ongeldig(--date --date 31.2.2004 --time 12:00 --ut ${plaats})
ongeldig(--time --date 1.2.2004 --time 24:00 --ut ${plaats})
ongeldig(--diff --date 1.2.2004 --time 12:00 --diff 14:00 ${plaats})
ongeldig(--diff --date 1.2.2004 --time 12:00 ${plaats})
ongeldig(--lat --date 1.2.2004 --time 12:00 --ut --lat 90N30 --long 4E53)
ongeldig(--long --date 1.2.2004 --time 12:00 --ut --lat 52N22 --long 181E00)
ongeldig(--house --date 1.2.2004 --time 12:00 --ut ${plaats} --house X)
ongeldig(--date --time 12:00 --ut ${plaats})
ongeldig(--batch --batch --date 1.2.2004 ${plaats})
file(WRITE "${HOME_MAP}/jd.txt" "2451545.0\n2451545,5\n")
execute_process(COMMAND "${CLI}" chart --batch ${plaats} INPUT_FILE "${HOME_MAP}/jd.txt"
                RESULT_VARIABLE status OUTPUT_VARIABLE batch ERROR_VARIABLE fout)
string(FIND "${fout}" "line 2" positie)
if(NOT status EQUAL 2 OR positie EQUAL -1)
  string(APPEND mislukt "batch with a bad line 2: status ${status}, \"${fout}\"\n")
endif()

if(EXISTS "${HOME_MAP}/orvan.ini")
  string(APPEND mislukt "orvan.ini was written\n")
endif()
file(REMOVE_RECURSE "${HOME_MAP}")
if(mislukt)
  message(FATAL_ERROR "${mislukt}")
endif()
