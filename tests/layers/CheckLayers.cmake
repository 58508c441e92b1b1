# Holds every #include under SOURCE (the src folder) to the lines between the layers: the
# core (platform, taskfile, results, address) includes nothing above it, the framework
# nothing of the program built on it, the wizard and the dialogs are strangers, no page or
# dialog sees a backend, only the Qt backend and the entry points see Qt, and Windows' own
# headers stay in the core's system calls, the Win32 backend and the entry points; the
# command line sees the forms and the report, never the wizard or the framework.
#   cmake -DSOURCE=<src> -P CheckLayers.cmake

cmake_minimum_required(VERSION 3.25)

# What each layer may include, besides itself.
set(may_platform "")
set(may_taskfile platform)
set(may_results platform)
set(may_address platform)
set(may_forms address taskfile platform)
set(may_report results address platform)
set(may_framework platform)
set(may_framework/headless framework platform)
# The Win32 and Qt backends measure pages on the headless backend's records, without windows.
set(may_framework/win32 framework framework/headless platform)
set(may_framework/qt framework framework/headless platform)
set(may_wizard framework forms taskfile address platform)
set(may_dialogs framework report results address platform)
set(may_app wizard dialogs framework report forms taskfile results address platform)
# The command line binds to the forms and prints the report: no wizard, no framework.
set(may_cli forms report taskfile results address platform)
set(may_main cli app wizard dialogs framework framework/headless framework/qt framework/win32
    forms report taskfile results address platform)
set(layers platform taskfile results address forms report framework framework/headless
    framework/win32 framework/qt wizard dialogs app cli main)

# The layer a path below src belongs to.
function(layer_of path out)
    foreach(backend headless qt win32)
        if(path MATCHES "^framework/${backend}/")
            set(${out} framework/${backend} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    string(REGEX MATCH "^[^/]+" first "${path}")
    set(${out} ${first} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*.h ${SOURCE}/*.cpp)
set(violations "")
foreach(file IN LISTS files)
    layer_of(${file} from)
    if(NOT from IN_LIST layers)
        continue()  # resources and the like
    endif()
    file(STRINGS ${SOURCE}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS includes)
        if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
            set(included ${CMAKE_MATCH_1})
            layer_of(${included} to)
            if(NOT to IN_LIST layers OR to STREQUAL from OR to IN_LIST may_${from})
                continue()
            endif()
            list(APPEND violations "${file} includes ${included}")
        elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]+)")
            set(header ${CMAKE_MATCH_1})
            if(NOT from MATCHES "^(framework/qt|main)$")
                list(APPEND violations "${file} includes Qt's <${header}>")
            endif()
        elseif(line MATCHES "#[ \t]*include[ \t]*<(windows|commctrl|prsht|shellapi)\\.h>")
            set(header ${CMAKE_MATCH_1})
            if(from MATCHES "^(forms|report|framework|framework/headless|framework/qt|wizard|dialogs|app|cli)$")
                list(APPEND violations "${file} includes Windows' <${header}.h>")
            endif()
        endif()
    endforeach()
endforeach()

if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "includes across the layers' lines:\n  ${text}")
endif()
list(LENGTH files count)
message(STATUS "layers: ${count} files include within their lines")
