# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# neurosims_program(<name> CORE <sources...> WINDOW <sources...>): a program in its three rooms.
#   <name>_model  the Qt-free core: the model, the drivers' loops, the settings' readers and
#                 the state registry; it links host_numbers only, so a Qt include fails to build
#   <name>_ui     the window and its displays over host_forms, with the help page
#                 help/about.html in its resources at :/<name>/help
#   <name>        the program (main.cpp), installed as neurosims-<name>
function(neurosims_program name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "CORE;WINDOW")
    add_library(${name}_model STATIC ${arg_CORE})
    target_include_directories(${name}_model PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name}_model PUBLIC host_numbers)

    add_library(${name}_ui STATIC ${arg_WINDOW})
    set_target_properties(${name}_ui PROPERTIES AUTOMOC ON)
    qt_add_resources(${name}_ui "${name}_help" PREFIX "/${name}/help" BASE help
        FILES help/about.html)
    target_link_libraries(${name}_ui PUBLIC ${name}_model host_forms)

    add_executable(${name} main.cpp)
    target_link_libraries(${name} PRIVATE ${name}_ui)
    neurosims_install_program(${name})
endfunction()
