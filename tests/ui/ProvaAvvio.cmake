# Starts the program on a slab with a settings folder of its own and ends it after 10 s: it
# must still be running then (timeout's status 124), not have ended or crashed on its own.
file(REMOVE_RECURSE ${CONFIG})
file(MAKE_DIRECTORY ${CONFIG})
set(ENV{XDG_CONFIG_HOME} ${CONFIG})
execute_process(COMMAND timeout 10 ${VILMOR} ${FILE}
  RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE errori)
if(NOT esito EQUAL 124)
  message(FATAL_ERROR "vilmor ended with ${esito} before it was ended\n${uscita}\n${errori}")
endif()
