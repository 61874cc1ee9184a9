# Runs vilmor_dump on one file and checks its exit status, stdout and stderr.
#   -DDUMP=<tool> -DFILE=<slab> -DUSCITA=<0|1> [-DSTDOUT=<regex;...>] [-DSTDERR=<regex>] [-DARGS=<a;b>]
execute_process(COMMAND ${DUMP} ${ARGS} ${FILE}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL USCITA)
  message(FATAL_ERROR "uscita ${rc}, attesa ${USCITA}\nstdout:\n${out}\nstderr:\n${err}")
endif()
foreach(re IN LISTS STDOUT)
  if(NOT out MATCHES "${re}")
    message(FATAL_ERROR "stdout senza '${re}':\n${out}")
  endif()
endforeach()
if(DEFINED STDERR)
  if(NOT err MATCHES "${STDERR}")
    message(FATAL_ERROR "stderr senza '${STDERR}':\n${err}")
  endif()
elseif(NOT err STREQUAL "")
  message(FATAL_ERROR "stderr non vuoto:\n${err}")
endif()
