# Flies one scenario in a fresh root folder and checks the exit status.
# The root holds the drive's six waves, as the pilots' package installs them
# (WAVES is their generator). A settings file beside the scenario (same name,
# .ini) is the module's settings file in that root; TARSEL_SIM_WRAPPER in the
# environment (such as a valgrind command line) runs the host under it.
# A file beside the scenario with the same name and the extension .out is
# its standard output, byte for byte, with the module's date (the sources'
# date, in __DATE__'s form) written as "DATE" and the root folder as "ROOT";
# one with the extension .err is its standard error, the scenario's folder
# left out of the file names. A flight whose output differs leaves it in
# its root as NAME.out or NAME.err; with TARSEL_UPDATE_TRANSCRIPTS set in
# the environment it writes it over the file beside the scenario instead,
# for a change meant to change the transcripts (read the diff before
# committing it).
get_filename_component(base ${SCENARIO} NAME_WE)
get_filename_component(folder ${SCENARIO} DIRECTORY)
set(root ${WORK}/${base})
file(REMOVE_RECURSE ${root})
file(MAKE_DIRECTORY ${root}/Sound/TarselMFD)
execute_process(COMMAND ${WAVES} ${root}/Sound/TarselMFD RESULT_VARIABLE waves_failed)
if(waves_failed)
    message(FATAL_ERROR "${WAVES} could not write the waves into ${root}")
endif()
if(EXISTS ${folder}/${base}.ini)
    file(MAKE_DIRECTORY ${root}/Modules/Plugin)
    file(COPY_FILE ${folder}/${base}.ini ${root}/Modules/Plugin/TarselMFD.ini)
endif()
separate_arguments(wrapper UNIX_COMMAND "$ENV{TARSEL_SIM_WRAPPER}")
execute_process(COMMAND ${wrapper} ${SIM} --root ${root} --out ${root} ${SCENARIO}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL EXPECTED)
    message("${out}${err}")
    message(FATAL_ERROR "${SCENARIO}: exit status ${status}, expected ${EXPECTED}")
endif()
string(REGEX REPLACE "(\\] module date )\"[A-Z][a-z][a-z] [ 0-9][0-9] [0-9][0-9][0-9][0-9]\"\n"
                     "\\1\"DATE\"\n" out "${out}")
string(REPLACE "${root}" "ROOT" out "${out}")
string(REPLACE "${folder}/" "" err "${err}")
foreach(stream out err)
    if(EXISTS ${folder}/${base}.${stream})
        file(READ ${folder}/${base}.${stream} expected)
        if(NOT ${stream} STREQUAL expected AND DEFINED ENV{TARSEL_UPDATE_TRANSCRIPTS})
            file(WRITE ${folder}/${base}.${stream} "${${stream}}")
        elseif(NOT ${stream} STREQUAL expected)
            file(WRITE ${root}/${base}.${stream} "${${stream}}")
            message(FATAL_ERROR "${SCENARIO}: the output differs from ${base}.${stream} beside "
                                "it; diff it with ${root}/${base}.${stream}")
        endif()
    endif()
endforeach()
