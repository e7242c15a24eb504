# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package with CPack (configuration CONFIG) into PACKAGE_DIR and checks it:
# the files it holds equal the list in EXPECTED plus the user guide (the pages, pictures and
# scripts of the folder GUIDE), the programs are executable, and its dependencies name the
# Qt 6 libraries the programs link.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PACKAGE_DIR})
execute_process(COMMAND ${CPACK} --config ${CONFIG} -G DEB -B ${PACKAGE_DIR}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "CPack failed:\n${output}")
endif()
file(GLOB debs ${PACKAGE_DIR}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "Expected one package in ${PACKAGE_DIR}, found: ${debs}\n${output}")
endif()
file(RENAME ${debs} ${PACKAGE_DIR}/neurosims.deb)
set(deb ${PACKAGE_DIR}/neurosims.deb)

# The file list: one "mode path" a line, folders left out, sorted.
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
string(REPLACE ";" "\n" actual "${files}")
file(READ ${EXPECTED} expected)
file(GLOB_RECURSE guide RELATIVE ${GUIDE} ${GUIDE}/*.md ${GUIDE}/*.png ${GUIDE}/*.nss)
foreach(page IN LISTS guide)
    string(APPEND expected "\nfile ./usr/share/doc/neurosims/guide/${page}")
endforeach()
string(REPLACE "\n" ";" expected "${expected}")
list(FILTER expected EXCLUDE REGEX "^$")
list(SORT expected)
string(REPLACE ";" "\n" expected "${expected}")
if(NOT actual STREQUAL expected)
    file(WRITE ${PACKAGE_DIR}/deb_contents.actual "${actual}\n")
    message(FATAL_ERROR "The package holds other files than ${EXPECTED}\n"
        "--- actual (also in ${PACKAGE_DIR}/deb_contents.actual) ---\n${actual}")
endif()

# The control fields: the Qt runtime comes in through the dependencies.
execute_process(COMMAND dpkg-deb -f ${deb} Package Depends Section OUTPUT_VARIABLE fields)
foreach(needed "Package: neurosims" "libqt6widgets6" "libqt6gui6" "libqt6core6"
        "libqt6printsupport6" "Section: education")
    string(FIND "${fields}" "${needed}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "The package's control fields lack ${needed}:\n${fields}")
    endif()
endforeach()
