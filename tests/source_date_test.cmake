# cmake/SourceDate.cmake: the sources' date as __DATE__ writes it, whatever
# the day, month and time of day, and SOURCE_DATE_EPOCH left as it was.
# Script mode: -DROOT=the project's folder
cmake_minimum_required(VERSION 3.20)
include(${ROOT}/cmake/SourceDate.cmake)

# Days below 10 padded with a space; months 08 and 09, which are no octal
# numbers; a leap day; the last second of a year, still that year in UTC.
set(cases
    "0|Jan  1 1970"
    "951782400|Feb 29 2000"
    "1691020800|Aug  3 2023"
    "1694563200|Sep 13 2023"
    "1696118400|Oct  1 2023"
    "1704067199|Dec 31 2023"
    "1796575351|Dec  6 2026")
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 epoch)
    list(GET case 1 expected)
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
    tarsel_source_date(${ROOT})
    if(NOT TARSEL_SOURCE_DATE STREQUAL expected OR NOT TARSEL_SOURCE_EPOCH STREQUAL epoch)
        message(FATAL_ERROR "SOURCE_DATE_EPOCH=${epoch}: \"${TARSEL_SOURCE_DATE}\""
                            " (${TARSEL_SOURCE_EPOCH}), expected \"${expected}\"")
    endif()
    if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL epoch)
        message(FATAL_ERROR "SOURCE_DATE_EPOCH=${epoch} became \"$ENV{SOURCE_DATE_EPOCH}\"")
    endif()
endforeach()

# Neither SOURCE_DATE_EPOCH nor a commit: today, and the variable stays unset.
unset(ENV{SOURCE_DATE_EPOCH})
tarsel_source_date(${ROOT}/no-such-folder)
string(TIMESTAMP today "%Y" UTC)
if(NOT TARSEL_SOURCE_DATE MATCHES " ${today}$" OR DEFINED ENV{SOURCE_DATE_EPOCH})
    message(FATAL_ERROR "without a date: \"${TARSEL_SOURCE_DATE}\", SOURCE_DATE_EPOCH"
                        " \"$ENV{SOURCE_DATE_EPOCH}\"")
endif()
