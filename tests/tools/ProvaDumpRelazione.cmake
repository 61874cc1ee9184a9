# Runs vilmor_dump --relazione on one slab, in the C locale and under an Italian (decimal comma)
# one: both runs end with status 0 and write the same bytes, which hold every RTF regex. Then a
# report into a folder that does not exist: status 4, the message on stderr, no file.
#   -DDUMP=<tool> -DFILE=<slab> -DLAVORO=<folder> -DRTF=<regex;...>
file(REMOVE_RECURSE ${LAVORO})
file(MAKE_DIRECTORY ${LAVORO}/vilmor)
set(prima "")
foreach(locale C it_IT.UTF-8)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${LAVORO} LC_ALL=${locale} LANG=${locale}
                          ${DUMP} --senza-nodi --senza-elementi --relazione ${LAVORO}/computo.rtf ${FILE}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${locale}: uscita ${rc}\nstderr:\n${err}")
  endif()
  file(READ ${LAVORO}/computo.rtf rtf)
  if(NOT prima STREQUAL "" AND NOT rtf STREQUAL prima)
    message(FATAL_ERROR "${locale}: computo diverso dalla prima esecuzione:\n${rtf}")
  endif()
  set(prima "${rtf}")
endforeach()
foreach(re IN LISTS RTF)
  if(NOT rtf MATCHES "${re}")
    message(FATAL_ERROR "computo senza '${re}':\n${rtf}")
  endif()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${LAVORO}
                        ${DUMP} --senza-nodi --senza-elementi --relazione ${LAVORO}/manca/computo.rtf ${FILE}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 4 OR NOT err MATCHES "\\[Attenzione!\\][^[]*manca/computo\\.rtf" OR EXISTS ${LAVORO}/manca/computo.rtf)
  message(FATAL_ERROR "computo in una cartella che non c'e': uscita ${rc}\nstderr:\n${err}")
endif()
