# The dump tool exports the sample slab to DXF 2000 and R12; the reader script opens both. With
# --progetta the drawing and the report both show the mesh just designed, not the stored one:
# the tool exports and reports the model it holds.
#   -DDUMP=<tool> -DCAMPIONE=<sample folder> -DLAVORO=<work folder> -DSCRIPT=<verifica_dxf.py>
#   -DCONFRONTO=<confronta_dxf_computo.py>
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

foreach(caso progetta semplice)
  set(opzioni)
  if(caso STREQUAL "progetta")
    set(opzioni --progetta)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${LAVORO}/config
                          ${DUMP} --senza-nodi --senza-elementi ${opzioni} --dxf ${LAVORO}/${caso}.dxf
                          --relazione ${LAVORO}/${caso}.rtf ${LAVORO}/SOL1.QVR
                  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${caso}: uscita ${rc}\n${err}")
  endif()
  execute_process(COMMAND /usr/bin/python3 ${CONFRONTO} ${LAVORO}/${caso}.dxf ${LAVORO}/${caso}.rtf
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${caso}: il disegno e il computo non mostrano la stessa maglia\n${out}\n${err}")
  endif()
endforeach()
# The design changed the mesh, so the two drawings differ.
file(READ ${LAVORO}/progetta.dxf progetta HEX)
file(READ ${LAVORO}/semplice.dxf semplice HEX)
if(progetta STREQUAL semplice)
  message(FATAL_ERROR "--progetta non cambia il disegno")
endif()
