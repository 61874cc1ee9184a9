# Runs vilmor_dump --progetta three times on one slab: twice in the C locale, once under an
# Italian (decimal comma) locale. The three runs must end with status 0 and print the same; stdout
# must hold every STDOUT regex and stderr must match STDERR (empty when STDERR is not given).
#   -DDUMP=<tool> -DFILE=<slab> -DLAVORO=<folder> [-DINI=<settings file>] [-DSTDOUT=<regex;...>]
#   [-DSTDERR=<regex>]
# The settings folder is a fresh one under LAVORO, holding INI when given.
file(REMOVE_RECURSE ${LAVORO})
file(MAKE_DIRECTORY ${LAVORO}/vilmor)
if(DEFINED INI)
  file(COPY_FILE ${INI} ${LAVORO}/vilmor/Vilmor.ini)
endif()
set(prima_out "")
foreach(locale C C it_IT.UTF-8)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${LAVORO} LC_ALL=${locale} LANG=${locale}
                          ${DUMP} --progetta --senza-elementi ${FILE}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${locale}: uscita ${rc}\nstdout:\n${out}\nstderr:\n${err}")
  endif()
  if(NOT prima_out STREQUAL "")
    if(NOT out STREQUAL prima_out)
      message(FATAL_ERROR "${locale}: stdout diverso dalla prima esecuzione:\n${out}")
    endif()
    if(NOT err STREQUAL prima_err)
      message(FATAL_ERROR "${locale}: stderr diverso dalla prima esecuzione:\n${err}")
    endif()
  endif()
  set(prima_out "${out}")
  set(prima_err "${err}")
endforeach()
foreach(re IN LISTS STDOUT)
  if(NOT out MATCHES "${re}")
    message(FATAL_ERROR "stdout senza '${re}':\n${out}")
  endif()
endforeach()
if(DEFINED STDERR)
  if(NOT err MATCHES "${STDERR}")
    message(FATAL_ERROR "stderr diverso da '${STDERR}':\n${err}")
  endif()
elseif(NOT err STREQUAL "")
  message(FATAL_ERROR "stderr non vuoto:\n${err}")
endif()
