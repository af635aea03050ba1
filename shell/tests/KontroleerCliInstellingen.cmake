# Runs "orvan-cli settings" and "orvan-cli aspects" on a fresh program folder, first without and
# then with a settings file, and checks their lines and that neither writes the settings file:
#   cmake -DCLI=<orvan-cli> -DHOME_MAP=<folder> -P KontroleerCliInstellingen.cmake

file(REMOVE_RECURSE "${HOME_MAP}")
file(MAKE_DIRECTORY "${HOME_MAP}")
set(ENV{ORVAN_HOME} "${HOME_MAP}")
set(mislukt "")

function(draai naam verwacht)
  execute_process(COMMAND "${CLI}" ${naam} RESULT_VARIABLE status OUTPUT_VARIABLE uit
                  ERROR_VARIABLE fout)
  if(NOT status EQUAL 0)
    set(mislukt "${mislukt}${naam}: exit status ${status}: ${fout}\n" PARENT_SCOPE)
    return()
  endif()
  foreach(regel IN LISTS verwacht)
    string(FIND "\n${uit}" "\n${regel}\n" positie)
    if(positie EQUAL -1)
      set(mislukt "${mislukt}${naam}: missing line \"${regel}\" in:\n${uit}\n" PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

draai(settings "general/database=${HOME_MAP}/standard.hor/;general/Taal=2;BerekPref/HuisSys=5;Kleuren/HuizenG=255")
draai(aspects " 1 Conjunction  0 8; 4 Square       90 7;11 Biquintile   144 1.5")
if(EXISTS "${HOME_MAP}/orvan.ini")
  string(APPEND mislukt "orvan.ini was written without a settings file\n")
endif()

set(ini "[general]\nTaal=4\n[BerekPref]\nHuisSys=3\nMidOrb=1.25\n")
file(WRITE "${HOME_MAP}/orvan.ini" "${ini}")
draai(settings "general/Taal=4;BerekPref/HuisSys=3;BerekPref/MidOrb=1.25")
draai(aspects " 1 Konjunktion  0 8; 4 Quadrat      90 7")
file(READ "${HOME_MAP}/orvan.ini" nu)
if(NOT nu STREQUAL ini)
  string(APPEND mislukt "orvan.ini was changed:\n${nu}\n")
endif()

file(REMOVE_RECURSE "${HOME_MAP}")
if(mislukt)
  message(FATAL_ERROR "${mislukt}")
endif()
