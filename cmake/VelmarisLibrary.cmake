# velmaris_add_library(<target> EXPORT_HEADER <name> EXPORT_MACRO <name> COMPONENT <name>
#                      SOURCES ... HEADERS ...)
# A shared library whose headers are included as <velmaris/FOLDER/NAME.h>, in the build tree
# (through VELMARIS_BUILD_INCLUDE_DIR) as in an installation, with a generated export header, installed into the VelmarisTargets export set under the install
# component. HEADERS are the public API and the only headers installed; internal headers go
# with the SOURCES.
function(velmaris_add_library target)
    cmake_parse_arguments(ARG "" "EXPORT_HEADER;EXPORT_MACRO;COMPONENT" "SOURCES;HEADERS" ${ARGN})
    add_library(${target} SHARED ${ARG_SOURCES} ${ARG_HEADERS})
    target_compile_definitions(${target} PRIVATE ${VELMARIS_STRICT_STRINGS})
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    add_library(Velmaris::${target} ALIAS ${target})
    set(generated ${VELMARIS_BUILD_INCLUDE_DIR}/velmaris/${ARG_EXPORT_HEADER})
    generate_export_header(${target} EXPORT_FILE_NAME ${generated} EXPORT_MACRO_NAME ${ARG_EXPORT_MACRO})
    target_include_directories(${target} PUBLIC
        $<BUILD_INTERFACE:${VELMARIS_BUILD_INCLUDE_DIR}>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
    # Installed side by side, the presentation library finds the host library next to itself.
    set_target_properties(${target} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
        INSTALL_RPATH "$ORIGIN")
    install(TARGETS ${target} EXPORT VelmarisTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${ARG_COMPONENT}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${ARG_COMPONENT}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${ARG_COMPONENT})
    # The installed headers are also copied, in their installed layout, to
    # VELMARIS_STAGED_INCLUDE_DIR, where the tests compile each of them on its own.
    foreach(header IN LISTS ARG_HEADERS)
        file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${header})
        get_filename_component(folder ${relative} DIRECTORY)
        install(FILES ${header} DESTINATION ${VELMARIS_INCLUDE_INSTALL_DIR}/${folder}
            COMPONENT ${ARG_COMPONENT})
        configure_file(${header} ${VELMARIS_STAGED_INCLUDE_DIR}/velmaris/${relative} COPYONLY)
        set_property(GLOBAL APPEND PROPERTY VELMARIS_INSTALLED_HEADERS velmaris/${relative})
    endforeach()
    install(FILES ${generated} DESTINATION ${VELMARIS_INCLUDE_INSTALL_DIR} COMPONENT ${ARG_COMPONENT})
    configure_file(${generated} ${VELMARIS_STAGED_INCLUDE_DIR}/velmaris/${ARG_EXPORT_HEADER} COPYONLY)
endfunction()
