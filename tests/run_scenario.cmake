# Flies one scenario in a fresh root folder and checks the exit status.
get_filename_component(base ${SCENARIO} NAME_WE)
set(root ${WORK}/${base})
file(REMOVE_RECURSE ${root})
file(MAKE_DIRECTORY ${root})
execute_process(COMMAND ${SIM} --root ${root} --out ${root} ${SCENARIO}
                RESULT_VARIABLE status)
if(NOT status EQUAL EXPECTED)
    message(FATAL_ERROR "${SCENARIO}: exit status ${status}, expected ${EXPECTED}")
endif()
