# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Qt and standard headers most of the windows and the forms runtime include, and with
# GoogleTest those of their tests, precompiled once per build tree. Every target that uses
# Qt Widgets, directly or through a library of this project, compiles with one of the two;
# the Qt-free models never see them, so a model that includes a Qt header still fails to
# build. A precompiled header carries the macros it was made with, so each is made with
# exactly the usage requirements its users share: Qt Widgets alone, or with GoogleTest.
option(NEUROSIMS_PCH "Precompile the Qt headers the windows and their tests use" ON)

set(_neurosims_qt_headers
    <QAction> <QApplication> <QCheckBox> <QColor> <QFile> <QImage> <QLabel> <QLineEdit>
    <QMenu> <QMenuBar> <QPainter> <QPushButton> <QRadioButton> <QString> <QWidget>
    <algorithm> <array> <cmath> <cstdint> <functional> <limits> <string> <vector>)

if(NEUROSIMS_PCH)
    add_library(qt_headers OBJECT ${CMAKE_CURRENT_LIST_DIR}/qt_headers.cpp)
    target_link_libraries(qt_headers PRIVATE Qt6::Widgets)
    target_precompile_headers(qt_headers PRIVATE ${_neurosims_qt_headers})

    add_library(qt_test_headers OBJECT ${CMAKE_CURRENT_LIST_DIR}/qt_headers.cpp)
    target_link_libraries(qt_test_headers PRIVATE Qt6::Widgets GTest::gtest)
    target_precompile_headers(qt_test_headers PRIVATE ${_neurosims_qt_headers}
        <gtest/gtest.h>)
endif()

# The imported libraries whose usage requirements <target> compiles with: those it links,
# and those the libraries of this project it links pass on.
function(_neurosims_usage_libraries target result)
    set(found)
    get_target_property(libraries ${target} LINK_LIBRARIES)
    while(libraries)
        list(POP_FRONT libraries library)
        if(NOT TARGET ${library} OR library IN_LIST found)
            continue()
        endif()
        list(APPEND found ${library})
        get_target_property(imported ${library} IMPORTED)
        if(NOT imported)
            get_target_property(passed ${library} INTERFACE_LINK_LIBRARIES)
            if(passed)
                list(APPEND libraries ${passed})
            endif()
        endif()
    endwhile()
    set(${result} ${found} PARENT_SCOPE)
endfunction()

# Gives every Qt Widgets target under <directory> its precompiled headers.
function(neurosims_use_qt_headers directory)
    if(NOT NEUROSIMS_PCH)
        return()
    endif()
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(target MATCHES "^qt_(test_)?headers$"
                OR NOT type MATCHES "^(STATIC_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
            continue()
        endif()
        _neurosims_usage_libraries(${target} libraries)
        if("GTest::gtest" IN_LIST libraries AND "Qt6::Widgets" IN_LIST libraries)
            target_precompile_headers(${target} REUSE_FROM qt_test_headers)
        elseif("Qt6::Widgets" IN_LIST libraries)
            target_precompile_headers(${target} REUSE_FROM qt_headers)
        endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        neurosims_use_qt_headers(${subdirectory})
    endforeach()
endfunction()
