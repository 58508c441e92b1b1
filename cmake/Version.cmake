# The version, from git, before project(): the last tag vX.Y.Z gives X.Y.Z; commits after it
# add "+N.gHASH" (N commits since the tag, the commit's hash). Without a tag the base is
# 1.0.0 and N counts every commit; outside git (an unpacked source archive) it is 1.0.0.
# Sets K4400_VERSION (the text everyone shows), K4400_VERSION_BASE (X.Y.Z),
# K4400_VERSION_COUNT (N, the version resource's fourth number) and, unless the caller set
# it, SOURCE_DATE_EPOCH to the commit's time, which every date the build writes comes from.
set(K4400_VERSION_BASE 1.0.0)
set(K4400_VERSION_COUNT 0)
set(hash "")
set(top ${CMAKE_CURRENT_LIST_DIR}/..)
find_program(K4400_GIT git)
if(K4400_GIT AND EXISTS ${top}/.git)
    execute_process(COMMAND ${K4400_GIT} describe --tags --long --abbrev=10
            --match "v[0-9]*.[0-9]*.[0-9]*"
        WORKING_DIRECTORY ${top} OUTPUT_VARIABLE described RESULT_VARIABLE rc
        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(rc EQUAL 0 AND described MATCHES "^v([0-9]+\\.[0-9]+\\.[0-9]+)-([0-9]+)-g([0-9a-f]+)$")
        set(K4400_VERSION_BASE ${CMAKE_MATCH_1})
        set(K4400_VERSION_COUNT ${CMAKE_MATCH_2})
        set(hash ${CMAKE_MATCH_3})
    else()
        execute_process(COMMAND ${K4400_GIT} rev-list --count HEAD WORKING_DIRECTORY ${top}
            OUTPUT_VARIABLE K4400_VERSION_COUNT OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        execute_process(COMMAND ${K4400_GIT} rev-parse --short=10 HEAD WORKING_DIRECTORY ${top}
            OUTPUT_VARIABLE hash OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
        execute_process(COMMAND ${K4400_GIT} log -1 --format=%ct WORKING_DIRECTORY ${top}
            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(epoch)
            set(ENV{SOURCE_DATE_EPOCH} ${epoch})
        endif()
    endif()
    # A new commit or tag configures anew.
    foreach(file HEAD packed-refs)
        if(EXISTS ${top}/.git/${file})
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${top}/.git/${file})
        endif()
    endforeach()
    execute_process(COMMAND ${K4400_GIT} symbolic-ref -q HEAD WORKING_DIRECTORY ${top}
        OUTPUT_VARIABLE ref OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(ref AND EXISTS ${top}/.git/${ref})
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${top}/.git/${ref})
    endif()
endif()
if(NOT K4400_VERSION_COUNT)
    set(K4400_VERSION_COUNT 0)
endif()
set(K4400_VERSION ${K4400_VERSION_BASE})
if(K4400_VERSION_COUNT GREATER 0 AND hash)
    set(K4400_VERSION ${K4400_VERSION_BASE}+${K4400_VERSION_COUNT}.g${hash})
endif()
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} 0)
endif()
# The dates the build writes: the manual pages and metadata, the Debian changelog.
string(TIMESTAMP K4400_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP K4400_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
