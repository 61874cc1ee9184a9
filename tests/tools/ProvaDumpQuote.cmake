# The dump tool and the dimensions of a load. The sample ships without a reinforcement file: it
# is dimensioned by itself, the same under the C and an Italian locale, and every STDOUT regex
# must match. A copy beside a reinforcement file holding no dimension keeps none.
#   -DDUMP=<tool> -DCAMPIONE=<sample folder> -DQV0=<reinforcement file> -DLAVORO=<work folder>
#   -DSTDOUT=<regex;...>
file(REMOVE_RECURSE ${LAVORO})
file(MAKE_DIRECTORY ${LAVORO}/config)
set(prima "")
foreach(locale C it_IT.UTF-8)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${LAVORO}/config LC_ALL=${locale} LANG=${locale}
                          ${DUMP} --senza-nodi --senza-elementi ${CAMPIONE}/SOL1.QVR
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "${locale}: uscita ${rc}\n${out}\n${err}")
  endif()
  if(NOT prima STREQUAL "" AND NOT out STREQUAL prima)
    message(FATAL_ERROR "${locale}: stdout diverso dalla prima esecuzione:\n${out}")
  endif()
  set(prima "${out}")
endforeach()
foreach(re IN LISTS STDOUT)
  if(NOT out MATCHES "${re}")
    message(FATAL_ERROR "stdout senza '${re}':\n${out}")
  endif()
endforeach()
# Every automatic dimension shows in every plan.
string(REGEX MATCHALL "\\.Pianta = [^\n]*" piante "${out}")
foreach(p IN LISTS piante)
  if(NOT p STREQUAL ".Pianta = -1")
    message(FATAL_ERROR "quota automatica con ${p}")
  endif()
endforeach()

file(MAKE_DIRECTORY ${LAVORO}/copia)
file(COPY ${CAMPIONE}/SOL1.QVR ${CAMPIONE}/ARCHIMPA.AI0 ${QV0} DESTINATION ${LAVORO}/copia)
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${LAVORO}/config
                        ${DUMP} --answer yes --senza-nodi --senza-elementi ${LAVORO}/copia/SOL1.QVR
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "UltimaZona = 0\n" OR NOT out MATCHES "UltimaQuota = -1\n" OR out MATCHES "Quote\\(")
  message(FATAL_ERROR "copia con file delle armature: ${rc}\n${out}\n${err}")
endif()
