# The dump tool's export of listed slabs: the slab of tests/data/datiprogetto (results in its
# design-data file, no reinforcement file) and a copy of it, listed beside another open project
# and as the open project itself, in DXF 2000 and R12: every diffuse legend shows the areas the
# tool prints for that slab. Then the usage errors and the help.
#   -DDUMP=<tool> -DDATI=<datiprogetto folder> -DCAMPIONE=<sample folder> -DLAVORO=<work folder>
#   -DLEGENDE=<legende_dxf.py>
file(REMOVE_RECURSE ${LAVORO})
file(MAKE_DIRECTORY ${LAVORO}/elenco ${LAVORO}/aperto ${LAVORO}/config)
file(COPY ${DATI}/SOLDP.QVR ${DATI}/SOLDP.DAT ${DATI}/ARCHIMPA.AI0 DESTINATION ${LAVORO}/elenco)
file(COPY_FILE ${DATI}/SOLDP.QVR ${LAVORO}/elenco/DP2.QVR)
file(COPY ${CAMPIONE}/SOL1.QVR ${CAMPIONE}/ARCHIMPA.AI0 DESTINATION ${LAVORO}/aperto)
set(ENV{XDG_CONFIG_HOME} ${LAVORO}/config)

function(esegui nome)
  execute_process(COMMAND ${DUMP} --senza-nodi --senza-elementi ${ARGN}
                  RESULT_VARIABLE rc OUTPUT_FILE ${LAVORO}/${nome}.txt ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "${nome}: uscita ${rc}\n${err}")
  endif()
endfunction()

function(legende nome fogli)
  execute_process(COMMAND /usr/bin/python3 ${LEGENDE} ${LAVORO}/${nome}.dxf ${LAVORO}/soldp.txt ${fogli}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${nome}: le legende non mostrano le aree della soletta\n${out}\n${err}")
  endif()
endfunction()

esegui(soldp ${LAVORO}/elenco/SOLDP.QVR)
foreach(formato 2000 r12)
  set(opzioni)
  if(formato STREQUAL "r12")
    set(opzioni --r12)
  endif()
  # Both loaded beside another open project.
  esegui(elenco${formato} ${opzioni} --elenco ${LAVORO}/elenco/DP2.QVR --elenco ${LAVORO}/elenco/SOLDP.QVR
         --dxf ${LAVORO}/elenco${formato}.dxf ${LAVORO}/aperto/SOL1.QVR)
  legende(elenco${formato} 2)
  # The open project listed: drawn from the model held.
  esegui(aperto${formato} ${opzioni} --elenco ${LAVORO}/elenco/SOLDP.QVR --dxf ${LAVORO}/aperto${formato}.dxf
         ${LAVORO}/elenco/SOLDP.QVR)
  legende(aperto${formato} 1)
endforeach()

# A target that exists is replaced only when the question is answered yes.
execute_process(COMMAND ${DUMP} --senza-nodi --senza-elementi --elenco ${LAVORO}/elenco/SOLDP.QVR
                        --dxf ${LAVORO}/aperto2000.dxf ${LAVORO}/elenco/SOLDP.QVR
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 5 OR NOT err MATCHES "vuoi sostituirlo")
  message(FATAL_ERROR "un file esistente sostituito senza domanda: uscita ${rc}\n${err}")
endif()

# The list comes from one folder, and needs --dxf.
foreach(errato "--elenco;${LAVORO}/elenco/SOLDP.QVR"
               "--elenco;${LAVORO}/elenco/SOLDP.QVR;--elenco;${LAVORO}/aperto/SOL1.QVR;--dxf;${LAVORO}/x.dxf")
  execute_process(COMMAND ${DUMP} ${errato} ${LAVORO}/elenco/SOLDP.QVR RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "${errato}: uscita ${rc} invece di 2")
  endif()
endforeach()

execute_process(COMMAND ${DUMP} --help OUTPUT_VARIABLE aiuto)
if(NOT aiuto MATCHES "--elenco FILE\\.QVR" OR NOT aiuto MATCHES "Genera File DXF")
  message(FATAL_ERROR "--help non descrive --elenco:\n${aiuto}")
endif()
