# The dump tool on a copy of the sample slab with a reinforcement file whose stamp does not
# match: "no" keeps no zone, "yes" keeps it, "--save" writes the .QV0 and the .SET.
#   -DDUMP=<tool> -DCAMPIONE=<sample folder> -DQV0=<reinforcement fixture> -DLAVORO=<work folder>
file(REMOVE_RECURSE ${LAVORO})
file(MAKE_DIRECTORY ${LAVORO})
file(COPY ${CAMPIONE}/SOL1.QVR ${CAMPIONE}/ARCHIMPA.AI0 ${QV0} DESTINATION ${LAVORO})

function(esegui atteso)
  execute_process(COMMAND ${DUMP} ${ARGN} --senza-nodi --senza-elementi ${LAVORO}/SOL1.QVR
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "uscita ${rc}\n${out}\n${err}")
  endif()
  if(NOT out MATCHES "${atteso}")
    message(FATAL_ERROR "stdout senza '${atteso}':\n${out}")
  endif()
  if(NOT err MATCHES "Vuoi conservarla\\?")
    message(FATAL_ERROR "manca la domanda:\n${err}")
  endif()
endfunction()

esegui("UltimaZona = -1\n" --answer no)
esegui("UltimaZona = 0\n" --answer yes)
esegui("UltimaZona = 0\n" --answer yes --save)
if(NOT EXISTS ${LAVORO}/set0001.SET)
  message(FATAL_ERROR "set0001.SET non scritto")
endif()
file(STRINGS ${LAVORO}/SOL1.QV0 righe LIMIT_COUNT 2)
list(GET righe 1 stamp)
if(stamp MATCHES "^01/01/2000")
  message(FATAL_ERROR "il file delle armature non e' stato riscritto")
endif()
# Saved with the slab's own stamp, it loads again without the question.
execute_process(COMMAND ${DUMP} --senza-nodi --senza-elementi ${LAVORO}/SOL1.QVR
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "UltimaZona = 0\n" OR NOT err STREQUAL "")
  message(FATAL_ERROR "riapertura: ${rc}\n${out}\n${err}")
endif()
