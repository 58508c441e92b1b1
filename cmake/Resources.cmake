# The string tables (compiled id-based from the .ts files), Qt's own catalogues for the ten
# languages, and the pictures, embedded so that the program runs from a key without the
# host's Qt catalogues.
set(K4400_LANGUAGES en_US de_DE fr_FR it_IT es_ES pt_BR ja_JP ko_KR zh_CN zh_TW)
set(K4400_QT_CATALOGUES de fr it es pt_BR ja ko zh_CN zh_TW)

function(k4400_add_resources target)
    # Our tables are id-based: each message id is its string number.
    set(qm_files)
    foreach(lang IN LISTS K4400_LANGUAGES)
        set(ts ${PROJECT_SOURCE_DIR}/src/res/strings/k4400_${lang}.ts)
        set(qm ${CMAKE_CURRENT_BINARY_DIR}/i18n/k4400_${lang}.qm)
        add_custom_command(OUTPUT ${qm}
            COMMAND Qt6::lrelease -idbased -silent ${ts} -qm ${qm}
            DEPENDS ${ts} VERBATIM)
        list(APPEND qm_files ${qm})
    endforeach()
    qt_add_resources(${target} k4400_strings PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n
        FILES ${qm_files})

    get_target_property(qmake Qt6::qmake IMPORTED_LOCATION)
    execute_process(COMMAND ${qmake} -query QT_INSTALL_TRANSLATIONS
        OUTPUT_VARIABLE qt_translations OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(qt_qm)
    foreach(lang IN LISTS K4400_QT_CATALOGUES)
        set(file ${qt_translations}/qtbase_${lang}.qm)
        if(NOT EXISTS ${file})
            message(FATAL_ERROR "Qt's catalogue ${file} is missing (package qt6-translations-l10n)")
        endif()
        list(APPEND qt_qm ${file})
    endforeach()
    qt_add_resources(${target} k4400_qt_catalogues PREFIX /qt BASE ${qt_translations}
        FILES ${qt_qm})

    file(GLOB images ${PROJECT_SOURCE_DIR}/src/res/images/*.svg)
    qt_add_resources(${target} k4400_images PREFIX / BASE ${PROJECT_SOURCE_DIR}/src/res
        FILES ${images})

    # The window icon as raw pixels, drawn from its SVG at build time and stored uncompressed:
    # the SVG icon engine would load Qt's SVG plugins at start, and a PNG be decoded.
    set(icon_svg ${PROJECT_SOURCE_DIR}/src/res/images/k4400-init.svg)
    set(icon_dir ${CMAKE_BINARY_DIR}/icon)
    set(icons)
    foreach(size 32 48 64 128)
        list(APPEND icons ${icon_dir}/k4400-init-${size}.argb)
    endforeach()
    add_custom_command(OUTPUT ${icons}
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:render-pictures> --icon ${icon_svg} ${icon_dir}
        DEPENDS render-pictures ${icon_svg} VERBATIM)
    qt_add_resources(${target} k4400_icon PREFIX /icon BASE ${icon_dir} OPTIONS --no-compress
        FILES ${icons})
endfunction()
