# The dump tool exports the sample slab to DXF 2000 and R12; the reader script opens both.
#   -DDUMP=<tool> -DCAMPIONE=<sample folder> -DLAVORO=<work folder> -DSCRIPT=<verifica_dxf.py>
file(REMOVE_RECURSE ${LAVORO})
file(MAKE_DIRECTORY ${LAVORO})
file(COPY ${CAMPIONE}/SOL1.QVR ${CAMPIONE}/ARCHIMPA.AI0 DESTINATION ${LAVORO})

foreach(formato 2000 r12)
  set(opzioni)
  if(formato STREQUAL "r12")
    set(opzioni --r12)
  endif()
  execute_process(COMMAND ${DUMP} --senza-nodi --senza-elementi --dxf ${LAVORO}/${formato}.dxf
                          ${opzioni} ${LAVORO}/SOL1.QVR
                  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT EXISTS ${LAVORO}/${formato}.dxf)
    message(FATAL_ERROR "${formato}: uscita ${rc}\n${err}")
  endif()
endforeach()

file(WRITE ${LAVORO}/elenco.json
     "[{\"file\": \"${LAVORO}/2000.dxf\"}, {\"file\": \"${LAVORO}/r12.dxf\", \"r12\": true}]")
execute_process(COMMAND /usr/bin/python3 ${SCRIPT} ${LAVORO}/elenco.json
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lettori: ${rc}\n${out}\n${err}")
endif()
