# Writes the import library of the simulator's executable from the module's
# own object files: every C++ name they use but do not define is one the
# simulator exports (its API, and the display base class's inline virtual
# functions named by the display's virtual table), so the library can never
# drift from the SDK headers. Run in script mode with:
#   OBJECTS  the object files, separated by "|"
#   NM, DLLTOOL, MACHINE  llvm-nm, llvm-dlltool and its -m value
#   DEF, LIB  the module-definition file and the import library to write
cmake_minimum_required(VERSION 3.20)
string(REPLACE "|" ";" objects "${OBJECTS}")

function(symbols out)
    execute_process(COMMAND ${NM} ${ARGN} ${objects} OUTPUT_VARIABLE text RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${NM} failed on the module's objects")
    endif()
    string(REPLACE "\n" ";" lines "${text}")
    set(names "")
    foreach(line IN LISTS lines)
        # "        U name" or "0000 T name"; file headers end in ":".
        if(line MATCHES "^[0-9a-fA-F ]+ [A-Za-z] (.+)$")
            list(APPEND names "${CMAKE_MATCH_1}")
        endif()
    endforeach()
    set(${out} "${names}" PARENT_SCOPE)
endfunction()

symbols(used -u)
symbols(defined --defined-only)
set(exports "")
foreach(name IN LISTS used)
    string(REGEX REPLACE "^__imp_" "" plain "${name}")
    if(plain MATCHES "^\\?" AND NOT plain IN_LIST defined)
        list(APPEND exports "${plain}")
    endif()
endforeach()
list(REMOVE_DUPLICATES exports)
list(SORT exports)
list(LENGTH exports count)
if(count EQUAL 0)
    message(FATAL_ERROR "the module's objects use nothing of the simulator")
endif()

string(REPLACE ";" "\n" lines "${exports}")
file(WRITE "${DEF}" "LIBRARY orbiter.exe\nEXPORTS\n${lines}\n")
execute_process(COMMAND ${DLLTOOL} -m ${MACHINE} -D orbiter.exe -d ${DEF} -l ${LIB}
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${DLLTOOL} could not write ${LIB}")
endif()
