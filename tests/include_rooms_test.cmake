# The module's rooms include downwards only: each source of src/ may include
# headers of its own room and of the rooms below it, and the SDK's, never one
# of a room above it. From the top:
#   src/module       the entry points the simulator calls
#   src/mfd          the display mode
#   src/drive        the drive
#   src/sound        the bridge to the sound libraries
#   src/module/base  settings, the module's records, registries, numbers, paths
#   src/registry     the keyed table
# Script mode: -DROOT=the project's folder
cmake_minimum_required(VERSION 3.20)

set(rooms registry module/base sound drive mfd module)

# The room of a path below src/ (or of an include's text), as its rank in
# `rooms`; -1 for what is in no room (the SDK's headers).
function(room_rank path out)
    if(path MATCHES "^module/base/")
        list(FIND rooms module/base rank)
    elseif(path MATCHES "^([a-z_]+)/")
        list(FIND rooms ${CMAKE_MATCH_1} rank)
    else()
        set(rank -1)
    endif()
    set(${out} ${rank} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${ROOT}/src ${ROOT}/src/*.cpp ${ROOT}/src/*.h)
set(faults "")
foreach(source IN LISTS sources)
    room_rank(${source} own)
    if(own EQUAL -1)
        string(APPEND faults "\n  src/${source} is in no room")
        continue()
    endif()
    file(STRINGS ${ROOT}/src/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" included "${line}")
        room_rank(${included} target)
        if(target GREATER own)
            list(GET rooms ${own} from)
            list(GET rooms ${target} to)
            string(APPEND faults "\n  src/${source} (${from}) includes ${included} (${to}, above it)")
        endif()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "includes that point up:${faults}")
endif()
list(LENGTH sources count)
message(STATUS "include-rooms: all ${count} files of src/ include downwards")
