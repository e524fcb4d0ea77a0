# Included from the top-level list, so that the generated files belong to the library's directory.
# The German texts of both libraries, compiled by lrelease at build time and embedded in the
# presentation library as the resources :/translations/velmaris_<language>.qm.
set(ts_files ${PROJECT_SOURCE_DIR}/translations/velmaris_de.ts)
set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION ${PROJECT_BINARY_DIR}/translations)
qt5_add_translation(qm_files ${ts_files})

set(qrc ${PROJECT_BINARY_DIR}/translations/velmaris_translations.qrc)
set(entries "")
foreach(qm IN LISTS qm_files)
    get_filename_component(name ${qm} NAME)
    string(APPEND entries "        <file alias=\"${name}\">${qm}</file>\n")
endforeach()
file(WRITE ${qrc} "<RCC>\n    <qresource prefix=\"/translations\">\n${entries}    </qresource>\n</RCC>\n")
qt5_add_resources(resources ${qrc})
set_source_files_properties(${resources} PROPERTIES OBJECT_DEPENDS "${qm_files}")
set(VELMARIS_TRANSLATION_RESOURCES ${resources})

# Refreshes the .ts file from the sources; run after changing a translated text.
add_custom_target(update_translations
    COMMAND Qt5::lupdate -no-obsolete -locations none -I ${PROJECT_SOURCE_DIR}
        ${PROJECT_SOURCE_DIR}/host ${PROJECT_SOURCE_DIR}/model ${PROJECT_SOURCE_DIR}/number
        ${PROJECT_SOURCE_DIR}/commands ${PROJECT_SOURCE_DIR}/viewer -ts ${ts_files}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    VERBATIM)
