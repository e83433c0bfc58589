# The translations of the user interface: one catalogue per language beside
# this file, compiled by lrelease at build time and embedded in the program as
# ":/translations/tamarind_<code>.qm". English (UK) is the language of the
# source texts and has no catalogue.
#
# The build only reads the catalogues. After texts have changed in the code,
# `cmake --build build --target tamarind_lupdate` brings the new source texts
# into every catalogue and drops the vanished ones; commit the result.

set(TAMARIND_LANGUAGE_CODES us de sp fr it pl ru ar cn jp pg)

set(tamarind_ts_files "")
foreach(code IN LISTS TAMARIND_LANGUAGE_CODES)
    list(APPEND tamarind_ts_files ${CMAKE_CURRENT_LIST_DIR}/tamarind_${code}.ts)
endforeach()

set(tamarind_qm_dir ${CMAKE_CURRENT_BINARY_DIR}/translations)
set_source_files_properties(${tamarind_ts_files} PROPERTIES OUTPUT_LOCATION ${tamarind_qm_dir})
qt5_add_translation(tamarind_qm_files ${tamarind_ts_files})

set(tamarind_translations_qrc_content "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/translations\">\n")
foreach(qm IN LISTS tamarind_qm_files)
    get_filename_component(qm_name ${qm} NAME)
    string(APPEND tamarind_translations_qrc_content "        <file alias=\"${qm_name}\">${qm}</file>\n")
endforeach()
string(APPEND tamarind_translations_qrc_content "    </qresource>\n</RCC>\n")
file(CONFIGURE OUTPUT ${tamarind_qm_dir}/translations.qrc CONTENT "${tamarind_translations_qrc_content}")
qt5_add_resources(tamarind_translation_sources ${tamarind_qm_dir}/translations.qrc)

if(NOT TARGET tamarind_resources)
    add_library(tamarind_resources OBJECT)
    target_link_libraries(tamarind_resources PRIVATE Qt5::Core)
endif()
target_sources(tamarind_resources PRIVATE ${tamarind_translation_sources})

add_custom_target(tamarind_lupdate
    COMMAND $<TARGET_FILE:Qt5::lupdate> -silent -no-obsolete -locations none -source-language en_GB
            ${CMAKE_SOURCE_DIR}/application/src ${CMAKE_SOURCE_DIR}/application/forms ${CMAKE_SOURCE_DIR}/library/src
            -ts ${tamarind_ts_files}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Bringing the source texts into the translation catalogues"
    VERBATIM)
