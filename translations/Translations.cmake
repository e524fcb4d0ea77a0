# velmaris_embed_translations(<out-var> <name> <ts-files>...)
# Compiles the .ts files with lrelease at build time and lists them in a resource file, so
# that they are available as :/translations/<file>.qm. <out-var> receives the generated
# sources; add them to a target defined in the same directory as the call.
function(velmaris_embed_translations out_var name)
    set(output_dir ${CMAKE_CURRENT_BINARY_DIR}/translations)
    set_source_files_properties(${ARGN} PROPERTIES OUTPUT_LOCATION ${output_dir})
    qt_add_translation(qm_files ${ARGN})
    set(entries "")
    foreach(qm IN LISTS qm_files)
        get_filename_component(file ${qm} NAME)
        string(APPEND entries "        <file alias=\"${file}\">${qm}</file>\n")
    endforeach()
    set(qrc ${output_dir}/${name}.qrc)
    file(WRITE ${qrc} "<RCC>\n    <qresource prefix=\"/translations\">\n${entries}    </qresource>\n</RCC>\n")
    qt_add_resources(resources ${qrc})
    set_source_files_properties(${resources} PROPERTIES OBJECT_DEPENDS "${qm_files}")
    set(${out_var} ${resources} PARENT_SCOPE)
endfunction()

set(VELMARIS_TRANSLATION_SOURCES ${PROJECT_SOURCE_DIR}/translations/velmaris_de.ts)
set(VELMARIS_EDITOR_TRANSLATION_SOURCES ${PROJECT_SOURCE_DIR}/translations/velmaris_editor_de.ts)

# Refreshes the .ts files from the sources; run after changing a translated text.
add_custom_target(update_translations
    COMMAND ${VELMARIS_QT}::lupdate -no-obsolete -locations none -I ${PROJECT_SOURCE_DIR}
        ${PROJECT_SOURCE_DIR}/host ${PROJECT_SOURCE_DIR}/model ${PROJECT_SOURCE_DIR}/number
        ${PROJECT_SOURCE_DIR}/commands ${PROJECT_SOURCE_DIR}/viewer ${PROJECT_SOURCE_DIR}/widgets -ts ${VELMARIS_TRANSLATION_SOURCES}
    COMMAND ${VELMARIS_QT}::lupdate -no-obsolete -locations none -I ${PROJECT_SOURCE_DIR}
        ${PROJECT_SOURCE_DIR}/app -ts ${VELMARIS_EDITOR_TRANSLATION_SOURCES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    VERBATIM)
