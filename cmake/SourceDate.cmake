# The date of the sources, so that the module comes out the same, byte for
# byte, whenever and wherever it is built: SOURCE_DATE_EPOCH when set, else
# the time of the last commit. Sets TARSEL_SOURCE_EPOCH (seconds since 1970)
# and TARSEL_SOURCE_DATE (that day, UTC, as __DATE__ writes it: "Dec  6 2026").
# Outside a git checkout, and without SOURCE_DATE_EPOCH, it is today.
#   include(SourceDate.cmake); tarsel_source_date(ROOT_FOLDER)
#   tarsel_use_source_date(TARGET)
function(tarsel_source_date root)
    if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
        set(epoch "$ENV{SOURCE_DATE_EPOCH}")
    else()
        find_package(Git QUIET)
        if(GIT_FOUND)
            execute_process(COMMAND ${GIT_EXECUTABLE} -C ${root} log -1 --format=%ct
                            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
            # A new commit configures again, so that the date follows it.
            execute_process(COMMAND ${GIT_EXECUTABLE} -C ${root} rev-parse --git-path logs/HEAD
                            OUTPUT_VARIABLE head_log OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
            if(head_log AND NOT IS_ABSOLUTE "${head_log}")
                set(head_log "${root}/${head_log}")
            endif()
            if(head_log AND EXISTS "${head_log}")
                set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${head_log}")
            endif()
        endif()
        if(NOT epoch MATCHES "^[0-9]+$")
            message(STATUS "No SOURCE_DATE_EPOCH and no commit: the module is dated today")
            string(TIMESTAMP epoch "%s" UTC)
        endif()
    endif()
    if(NOT epoch MATCHES "^[0-9]+$")
        message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a number of seconds: ${epoch}")
    endif()
    # string(TIMESTAMP) reads SOURCE_DATE_EPOCH itself. Month names are
    # spelt out here, as the C library's are not those of every locale.
    set(saved "$ENV{SOURCE_DATE_EPOCH}")
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
    string(TIMESTAMP month "%m" UTC)
    string(TIMESTAMP day "%d" UTC)
    string(TIMESTAMP year "%Y" UTC)
    if(saved STREQUAL "")
        unset(ENV{SOURCE_DATE_EPOCH})
    else()
        set(ENV{SOURCE_DATE_EPOCH} "${saved}")
    endif()
    set(names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    math(EXPR index "${month} - 1")
    list(GET names ${index} name)
    string(REGEX REPLACE "^0" " " day "${day}")
    set(TARSEL_SOURCE_EPOCH ${epoch} PARENT_SCOPE)
    set(TARSEL_SOURCE_DATE "${name} ${day} ${year}" PARENT_SCOPE)
endfunction()

# The target's __DATE__ becomes TARSEL_SOURCE_DATE: clang 14 takes
# __DATE__ from the clock, whatever SOURCE_DATE_EPOCH says.
function(tarsel_use_source_date target)
    target_compile_definitions(${target} PRIVATE "__DATE__=\"${TARSEL_SOURCE_DATE}\"")
    target_compile_options(${target} PRIVATE -Wno-builtin-macro-redefined)
endfunction()
