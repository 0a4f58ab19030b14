# Checks a built TarselMFD.dll: it imports only from the simulator's
# executable (C++ names only, in their decorated form), kernel32, gdi32 and
# the universal C runtime, exports exactly the module's entry points, and
# carries the display class's type information.
# Script mode: -DREADOBJ=llvm-readobj -DDLL=path
cmake_minimum_required(VERSION 3.20)

function(readobj out option)
    execute_process(COMMAND ${READOBJ} ${option} ${DLL} OUTPUT_VARIABLE text RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${READOBJ} ${option} failed on ${DLL}")
    endif()
    string(REPLACE "\n" ";" lines "${text}")
    set(${out} "${lines}" PARENT_SCOPE)
endfunction()

set(allowed orbiter.exe kernel32.dll gdi32.dll ucrtbase.dll)
readobj(imports --coff-imports)
set(library "")
set(fromSimulator 0)
foreach(line IN LISTS imports)
    if(line MATCHES "^  Name: (.+)$")
        string(TOLOWER "${CMAKE_MATCH_1}" library)
        if(NOT library IN_LIST allowed AND NOT library MATCHES "^api-ms-win-crt-")
            message(FATAL_ERROR "${DLL} imports from ${library}")
        endif()
    elseif(line MATCHES "^  Symbol: ([^ ]+)" AND library STREQUAL "orbiter.exe")
        if(NOT CMAKE_MATCH_1 MATCHES "^\\?")
            message(FATAL_ERROR "${DLL} imports ${CMAKE_MATCH_1} from the simulator undecorated")
        endif()
        math(EXPR fromSimulator "${fromSimulator} + 1")
    endif()
endforeach()
if(fromSimulator EQUAL 0)
    message(FATAL_ERROR "${DLL} imports nothing from the simulator")
endif()

readobj(exportLines --coff-exports)
set(exports "")
foreach(line IN LISTS exportLines)
    if(line MATCHES "^  Name: (.+)$")
        list(APPEND exports "${CMAKE_MATCH_1}")
    endif()
endforeach()
list(SORT exports)
set(expected ExitModule GetModuleVersion InitModule ModuleDate opcCloseRenderViewport
    opcDeleteVessel opcOpenRenderViewport opcPreStep)
if(NOT exports STREQUAL expected)
    message(FATAL_ERROR "${DLL} exports ${exports}, not ${expected}")
endif()
# The simulator runs dynamic_cast on the display object: its class and the
# base class need their type descriptors in the DLL.
file(STRINGS ${DLL} typeNames REGEX "^\\.\\?AV(Drive)?MFD@@$")
list(SORT typeNames)
if(NOT typeNames STREQUAL ".?AVDriveMFD@@;.?AVMFD@@")
    message(FATAL_ERROR "${DLL} lacks the display's type information (has: ${typeNames})")
endif()
message(STATUS "${DLL}: ${fromSimulator} names from the simulator; exports ${exports}")
