# Which Qt the project is built with: VELMARIS_QT_MAJOR_VERSION 5 (the host's, the default) or 6.
# Sets VELMARIS_QT (the package name, "Qt5" or "Qt6", whose targets every CMakeLists links),
# VELMARIS_QT_MINIMUM and, for the whole build, no API deprecated up to that version and no Qt
# keywords (signals, slots, emit), which hosts may have switched off. The libraries and the
# editor also take no implicit conversion from 8-bit strings (VELMARIS_STRICT_STRINGS).
set(VELMARIS_QT_MAJOR_VERSION 5 CACHE STRING "The major version of Qt to build with: 5 or 6")
set_property(CACHE VELMARIS_QT_MAJOR_VERSION PROPERTY STRINGS 5 6)
if(VELMARIS_QT_MAJOR_VERSION STREQUAL "5")
    set(VELMARIS_QT_MINIMUM 5.15)
    set(VELMARIS_QT_DEPRECATED_BEFORE 0x050F00)
elseif(VELMARIS_QT_MAJOR_VERSION STREQUAL "6")
    set(VELMARIS_QT_MINIMUM 6.4)
    set(VELMARIS_QT_DEPRECATED_BEFORE 0x060400)
else()
    message(FATAL_ERROR "VELMARIS_QT_MAJOR_VERSION is '${VELMARIS_QT_MAJOR_VERSION}'; it must be 5 or 6")
endif()
set(VELMARIS_QT Qt${VELMARIS_QT_MAJOR_VERSION})
find_package(${VELMARIS_QT} ${VELMARIS_QT_MINIMUM} REQUIRED COMPONENTS Core Gui Widgets LinguistTools)
add_compile_definitions(QT_DISABLE_DEPRECATED_BEFORE=${VELMARIS_QT_DEPRECATED_BEFORE} QT_NO_KEYWORDS)
set(VELMARIS_STRICT_STRINGS QT_NO_CAST_FROM_ASCII)
