# Writes the scenarios that are too long to keep as files from their short
# descriptions: every FROM/PATH.scn.in becomes TO/PATH.scn (written only when
# its content changes). CTest runs it before the flights (tests/CMakeLists.txt),
# scripts/flight-roots.sh before it lists every scenario.
#   cmake -DFROM=tests/scenarios -DTO=build/generated-scenarios -P tests/scenarios/generate.cmake
#
# A description is a scenario file, but for blocks of lines between
# "@FOR VAR FIRST LAST" and "@END": such a block is written once for each
# whole number VAR from FIRST to LAST, and in it each {EXPR} is replaced by
# the value of the arithmetic expression EXPR (cmake's math(EXPR)) with VAR
# standing for that number, and each {EXPR:WIDTH} by that value padded with
# zeros to WIDTH digits.
cmake_minimum_required(VERSION 3.20)

# Splits TEXT at the first MARKER: what stands before it into BEFORE, what
# follows it into AFTER. FOUND tells whether there was one.
function(split_at text marker before after found)
    string(FIND "${text}" "${marker}" at)
    set(${found} FALSE PARENT_SCOPE)
    if(NOT at EQUAL -1)
        string(SUBSTRING "${text}" 0 ${at} head)
        string(LENGTH "${marker}" length)
        math(EXPR at "${at} + ${length}")
        string(SUBSTRING "${text}" ${at} -1 tail)
        set(${before} "${head}" PARENT_SCOPE)
        set(${after} "${tail}" PARENT_SCOPE)
        set(${found} TRUE PARENT_SCOPE)
    endif()
endfunction()

# The block's text with its {EXPR} and {EXPR:WIDTH} worked out for VAR = VALUE.
function(expand body var value result)
    set(text "")
    split_at("${body}" "{" before body open)
    while(open)
        split_at("${body}" "}" expression body found)
        set(width 0)
        if(expression MATCHES "^(.*):([0-9]+)$")
            set(expression "${CMAKE_MATCH_1}")
            set(width ${CMAKE_MATCH_2})
        endif()
        string(REPLACE "${var}" "${value}" expression "${expression}")
        math(EXPR number "${expression}")
        string(LENGTH "${number}" digits)
        while(digits LESS width)
            set(number "0${number}")
            math(EXPR digits "${digits} + 1")
        endwhile()
        string(APPEND text "${before}${number}")
        split_at("${body}" "{" before body open)
    endwhile()
    set(${result} "${text}${body}" PARENT_SCOPE)
endfunction()

get_filename_component(FROM ${FROM} ABSOLUTE)
get_filename_component(TO ${TO} ABSOLUTE)
file(GLOB_RECURSE descriptions RELATIVE ${FROM} ${FROM}/*.scn.in)
foreach(description ${descriptions})
    file(READ ${FROM}/${description} rest)
    set(scenario "")
    split_at("${rest}" "\n@FOR " before rest block)
    while(block)
        split_at("${rest}" "\n" header rest found)
        if(NOT header MATCHES "^([A-Za-z_]+) ([0-9]+) ([0-9]+)$")
            message(FATAL_ERROR "${description}: '@FOR ${header}' is not @FOR VAR FIRST LAST")
        endif()
        set(var ${CMAKE_MATCH_1})
        set(first ${CMAKE_MATCH_2})
        set(last ${CMAKE_MATCH_3})
        split_at("${rest}" "\n@END\n" body rest found)
        if(NOT found)
            message(FATAL_ERROR "${description}: '@FOR ${header}' has no @END")
        endif()
        string(APPEND scenario "${before}\n")
        foreach(value RANGE ${first} ${last})
            expand("${body}\n" ${var} ${value} lines)
            string(APPEND scenario "${lines}")
        endforeach()
        split_at("${rest}" "\n@FOR " before rest block)
    endwhile()
    string(APPEND scenario "${rest}")
    string(REGEX REPLACE "\\.in$" "" path ${TO}/${description})
    set(written "")
    if(EXISTS ${path})
        file(READ ${path} written)
    endif()
    if(NOT written STREQUAL scenario)
        file(WRITE ${path} "${scenario}")
    endif()
endforeach()
