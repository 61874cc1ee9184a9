# Runs vilmor_dump --computo on one slab as "Salva computo" saves it: the same bytes as
# --relazione; a second save onto the file asks first and, without an answer, keeps the file
# (status 4); with --answer yes it replaces it. The file stays for the LibreOffice check.
#   -DDUMP=<tool> -DFILE=<slab> -DLAVORO=<folder>
cmake_policy(SET CMP0054 NEW)
file(REMOVE_RECURSE ${LAVORO})
file(MAKE_DIRECTORY ${LAVORO}/vilmor)
set(ambiente ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${LAVORO})
execute_process(COMMAND ${ambiente} ${DUMP} --senza-nodi --senza-elementi --computo ${LAVORO}/computo.rtf
                        --relazione ${LAVORO}/relazione.rtf ${FILE}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS ${LAVORO}/computo.rtf)
  message(FATAL_ERROR "computo: uscita ${rc}\nstderr:\n${err}")
endif()
file(READ ${LAVORO}/computo.rtf computo HEX)
file(READ ${LAVORO}/relazione.rtf relazione HEX)
if(NOT computo STREQUAL relazione)
  message(FATAL_ERROR "--computo e --relazione scrivono byte diversi")
endif()

file(WRITE ${LAVORO}/computo.rtf "vecchio")
execute_process(COMMAND ${ambiente} ${DUMP} --senza-nodi --senza-elementi --computo ${LAVORO}/computo.rtf ${FILE}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(READ ${LAVORO}/computo.rtf dopo)
if(NOT rc EQUAL 4 OR NOT dopo STREQUAL "vecchio" OR NOT err MATCHES "\\[Salva\\] File gi[^ ]+ presente, vuoi sostituirlo\\?")
  message(FATAL_ERROR "file esistente senza risposta: uscita ${rc}\nstderr:\n${err}")
endif()

execute_process(COMMAND ${ambiente} ${DUMP} --senza-nodi --senza-elementi --answer yes --computo ${LAVORO}/computo.rtf ${FILE}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(READ ${LAVORO}/computo.rtf computo HEX)
if(NOT rc EQUAL 0 OR NOT computo STREQUAL relazione)
  message(FATAL_ERROR "file esistente, risposta si: uscita ${rc}\nstderr:\n${err}")
endif()
