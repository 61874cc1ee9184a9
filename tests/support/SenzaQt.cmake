# Fails when the engine test binary links Qt (the layer check keeps Qt headers in src/ui).
execute_process(COMMAND ldd ${BIN} OUTPUT_VARIABLE LIBS RESULT_VARIABLE RC)
if(NOT RC EQUAL 0)
  message(FATAL_ERROR "ldd failed on ${BIN}")
endif()
if(LIBS MATCHES "libQt")
  message(FATAL_ERROR "the engine tests link a Qt library:\n${LIBS}")
endif()
message(STATUS "engine free of Qt")
