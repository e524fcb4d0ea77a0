# velmaris_add_library(<target> EXPORT_HEADER <name> SOURCES ... HEADERS ...)
# A shared library whose headers keep their path from the top of the source tree, with a
# generated export header, installed into the VelmarisTargets export set.
function(velmaris_add_library target)
    cmake_parse_arguments(ARG "" "EXPORT_HEADER;EXPORT_MACRO" "SOURCES;HEADERS" ${ARGN})
    add_library(${target} SHARED ${ARG_SOURCES} ${ARG_HEADERS})
    add_library(Velmaris::${target} ALIAS ${target})
    set(generated ${CMAKE_CURRENT_BINARY_DIR}/${ARG_EXPORT_HEADER})
    generate_export_header(${target} EXPORT_FILE_NAME ${generated} EXPORT_MACRO_NAME ${ARG_EXPORT_MACRO})
    target_include_directories(${target} PUBLIC
        $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
        $<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}>
        $<INSTALL_INTERFACE:${VELMARIS_INCLUDE_INSTALL_DIR}>)
    # Installed side by side, the presentation library finds the host library next to itself.
    set_target_properties(${target} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
        INSTALL_RPATH "$ORIGIN")
    install(TARGETS ${target} EXPORT VelmarisTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    foreach(header IN LISTS ARG_HEADERS)
        file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${header})
        get_filename_component(folder ${relative} DIRECTORY)
        install(FILES ${header} DESTINATION ${VELMARIS_INCLUDE_INSTALL_DIR}/${folder})
    endforeach()
    install(FILES ${generated} DESTINATION ${VELMARIS_INCLUDE_INSTALL_DIR})
endfunction()
