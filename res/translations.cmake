# The program's translations: res/translations/corvane_<language>.ts, kept up
# to date from the sources by `cmake --build <dir> --target corvane_lupdate`
# and made into .qm catalogues beside the programs, where Pellumbra and hh.exe
# look for them (translations/ in the program folder).
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
set(CORVANE_LANGUAGES de fr es)
set(CORVANE_TRANSLATIONS_DIR ${CORVANE_PROGRAM_DIR}/translations)

set(corvane_ts_files)
set(corvane_qm_files)
foreach(language IN LISTS CORVANE_LANGUAGES)
  set(ts ${CMAKE_CURRENT_SOURCE_DIR}/translations/corvane_${language}.ts)
  set(qm ${CORVANE_TRANSLATIONS_DIR}/corvane_${language}.qm)
  add_custom_command(
    OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CORVANE_TRANSLATIONS_DIR}
    COMMAND Qt6::lrelease -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    VERBATIM)
  list(APPEND corvane_ts_files ${ts})
  list(APPEND corvane_qm_files ${qm})
endforeach()
add_custom_target(corvane_translations ALL DEPENDS ${corvane_qm_files})

# Every folder whose code holds texts the user sees; lupdate reads the
# QT_TRANSLATE_NOOP marks (platform/com/translatable.h) and translate() calls.
set(CORVANE_TEXT_FOLDERS engine ui links app res platform tools CACHE INTERNAL "")
set(CORVANE_TRANSLATIONS_DIR ${CORVANE_TRANSLATIONS_DIR} CACHE INTERNAL "")
add_custom_target(corvane_lupdate
  COMMAND Qt6::lupdate -silent -locations none -no-obsolete
          ${CORVANE_TEXT_FOLDERS} -ts ${corvane_ts_files}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  VERBATIM)

# The formats the program fills in before showing a text, taken from the
# sources lupdate found (every language lists the same ones): the window layer
# recognises a formatted text by its format and shows the translated format.
list(GET corvane_ts_files 0 corvane_reference_ts)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${corvane_reference_ts})
file(READ ${corvane_reference_ts} corvane_ts_text)
# A ";" would split CMake's lists: it travels as a placeholder.
string(REPLACE ";" "@semicolon@" corvane_ts_text "${corvane_ts_text}")
string(REGEX MATCHALL "<source>[^<]*%[-+ #0-9.hlz]*[diuxXs][^<]*</source>" corvane_format_sources "${corvane_ts_text}")
set(corvane_format_lines "")
foreach(source IN LISTS corvane_format_sources)
  string(REGEX REPLACE "^<source>(.*)</source>$" "\\1" format "${source}")
  foreach(entity lt gt quot apos amp)
    set(character_lt "<")
    set(character_gt ">")
    set(character_quot "\"")
    set(character_apos "'")
    set(character_amp "&")
    string(REPLACE "&${entity}@semicolon@" "${character_${entity}}" format "${format}")
  endforeach()
  string(REPLACE "@semicolon@" ";" format "${format}")
  string(REPLACE "\\" "\\\\" format "${format}")
  string(REPLACE "\"" "\\\"" format "${format}")
  string(REPLACE "\n" "\\n" format "${format}")
  string(APPEND corvane_format_lines "    \"${format}\",\n")
endforeach()
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/text_formats.cpp.in ${CMAKE_CURRENT_BINARY_DIR}/text_formats.cpp @ONLY)
