# Turns the string tables (Qt Linguist .ts files, id-based) into one Windows resource script
# with a STRINGTABLE per language: cmake -DOUT=<file.rc> -DSTRINGS=<dir> -P TsToRc.cmake
# Each language is named by its Windows language and sublanguage ids.
include(${CMAKE_CURRENT_LIST_DIR}/TsMessages.cmake)
set(languages
    "en_US|0x09|0x01" "de_DE|0x07|0x01" "fr_FR|0x0C|0x01" "it_IT|0x10|0x01"
    "es_ES|0x0A|0x03" "pt_BR|0x16|0x01" "ja_JP|0x11|0x01" "ko_KR|0x12|0x01"
    "zh_CN|0x04|0x02" "zh_TW|0x04|0x01")
set(rc "#pragma code_page(65001)\n")
foreach(entry IN LISTS languages)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 lang)
    list(GET parts 1 primary)
    list(GET parts 2 sub)
    read_ts_messages("${STRINGS}/k4400_${lang}.ts" message)
    string(APPEND rc "\nLANGUAGE ${primary}, ${sub}\nSTRINGTABLE\nBEGIN\n")
    foreach(id IN LISTS message_ids)
        # The resource compiler's escapes.
        set(text "${message_${id}}")
        string(REPLACE "\\" "\\\\" text "${text}")
        string(REPLACE "\"" "\"\"" text "${text}")
        string(REPLACE "\n" "\\n" text "${text}")
        string(APPEND rc "    ${id}, \"${text}\"\n")
    endforeach()
    string(APPEND rc "END\n")
endforeach()
file(WRITE "${OUT}.tmp" "${rc}")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
