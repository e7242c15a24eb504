# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian packages with CPack (configuration CONFIG) into PACKAGE_DIR, as
# neurosims.deb and, when the Python module MODULE (its file name) is built,
# python3-neurosims.deb, and checks them: the files each holds equal its list in the folder
# EXPECTED (deb_contents.expected plus the user guide, the pages, pictures, scripts and sample
# sessions of the folder GUIDE; python_deb_contents.expected with @MODULE@ for the module's
# name), the programs are executable, and the dependencies name the Qt 6 libraries the
# programs link and the interpreter and numpy the module needs.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PACKAGE_DIR})
execute_process(COMMAND ${CPACK} --config ${CONFIG} -G DEB -B ${PACKAGE_DIR}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "CPack failed:\n${output}")
endif()
set(packages neurosims)
if(MODULE)
    list(APPEND packages python3-neurosims)
endif()
file(GLOB debs RELATIVE ${PACKAGE_DIR} ${PACKAGE_DIR}/*.deb)
list(LENGTH debs count)
list(LENGTH packages wanted)
if(NOT count EQUAL wanted)
    message(FATAL_ERROR "Expected the packages ${packages} in ${PACKAGE_DIR}, found: ${debs}\n"
        "${output}")
endif()
foreach(deb IN LISTS debs)
    string(REGEX REPLACE "_.*" "" package ${deb})
    if(NOT package IN_LIST packages)
        message(FATAL_ERROR "CPack made a package ${deb} that none expected")
    endif()
    file(RENAME ${PACKAGE_DIR}/${deb} ${PACKAGE_DIR}/${package}.deb)
endforeach()

# The file list of a package: one "mode path" a line, folders left out, sorted.
function(contents deb result)
    execute_process(COMMAND dpkg-deb -c ${deb} OUTPUT_VARIABLE listing RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "dpkg-deb -c cannot read ${deb}")
    endif()
    string(REPLACE "\n" ";" lines "${listing}")
    set(files "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^([-dlrwxs]+) +[^ ]+ +[0-9]+ +[^ ]+ +[^ ]+ +(.+)$")
            set(mode ${CMAKE_MATCH_1})
            set(path ${CMAKE_MATCH_2})
            if(NOT mode MATCHES "^d")
                # Programs must be executable by everyone; data files need only be readable.
                if(path MATCHES "/bin/")
                    string(SUBSTRING ${mode} 0 10 mode)
                else()
                    set(mode file)
                endif()
                list(APPEND files "${mode} ${path}")
            endif()
        endif()
    endforeach()
    list(SORT files)
    string(REPLACE ";" "\n" files "${files}")
    set(${result} "${files}" PARENT_SCOPE)
endfunction()

# check_package(<package> <expected list> <extra lines> <control fields...>)
function(check_package package list extra)
    set(deb ${PACKAGE_DIR}/${package}.deb)
    contents(${deb} actual)
    file(READ ${list} expected)
    string(REPLACE "@MODULE@" "${MODULE}" expected "${expected}\n${extra}")
    string(REPLACE "\n" ";" expected "${expected}")
    list(FILTER expected EXCLUDE REGEX "^$")
    list(SORT expected)
    string(REPLACE ";" "\n" expected "${expected}")
    if(NOT actual STREQUAL expected)
        file(WRITE ${PACKAGE_DIR}/${package}_contents.actual "${actual}\n")
        message(FATAL_ERROR "${package} holds other files than ${list}\n--- actual (also in "
            "${PACKAGE_DIR}/${package}_contents.actual) ---\n${actual}")
    endif()
    execute_process(COMMAND dpkg-deb -f ${deb} Package Depends Section OUTPUT_VARIABLE fields)
    foreach(needed IN LISTS ARGN)
        string(FIND "${fields}" "${needed}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "The control fields of ${package} lack ${needed}:\n${fields}")
        endif()
    endforeach()
endfunction()

file(GLOB_RECURSE guide RELATIVE ${GUIDE} ${GUIDE}/*.md ${GUIDE}/*.png ${GUIDE}/*.nss
    ${GUIDE}/*-session)
set(pages "")
foreach(page IN LISTS guide)
    string(APPEND pages "file ./usr/share/doc/neurosims/guide/${page}\n")
endforeach()
# The Qt runtime comes in through the dependencies.
check_package(neurosims ${EXPECTED}/deb_contents.expected "${pages}" "Package: neurosims"
    "libqt6widgets6" "libqt6gui6" "libqt6core6" "libqt6printsupport6" "Section: education")
if(MODULE)
    check_package(python3-neurosims ${EXPECTED}/python_deb_contents.expected ""
        "Package: python3-neurosims" "python3 (>= 3." "python3-numpy" "Section: python")
endif()
