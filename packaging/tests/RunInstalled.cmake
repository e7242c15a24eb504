# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Unpacks PACKAGE_DIR/neurosims.deb into a folder of its own, validates the menu entries and
# the AppStream descriptions it installs, and starts each of PROGRAMS (comma-separated) from
# its installed path, in an empty working folder, under the automation script
# SCRIPTS/installed_<program>.nss; what the program prints must equal the .expected file.
# Each also answers --version with VERSION, and refuses an unknown option with exit code 2.
cmake_minimum_required(VERSION 3.25)
set(root ${PACKAGE_DIR}/root)
file(REMOVE_RECURSE ${root})
file(MAKE_DIRECTORY ${root})
# The program's data folder (where its recovery copies go) is the test's own, never the
# person's.
set(ENV{XDG_DATA_HOME} ${PACKAGE_DIR}/data)
file(REMOVE_RECURSE $ENV{XDG_DATA_HOME})
execute_process(COMMAND dpkg-deb -x ${PACKAGE_DIR}/neurosims.deb ${root} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -x cannot unpack ${PACKAGE_DIR}/neurosims.deb")
endif()

function(check_tool)
    execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed:\n${out}")
    endif()
endfunction()

set(share ${root}/usr/share)
string(REPLACE "," ";" programs "${PROGRAMS}")
set(failures "")
foreach(program IN LISTS programs)
    set(id org.neurosims.${program})
    check_tool(desktop-file-validate ${share}/applications/${id}.desktop)
    check_tool(appstreamcli validate --no-net ${share}/metainfo/${id}.metainfo.xml)
    # The menu entry starts the installed command and shows the installed icon.
    file(STRINGS ${share}/applications/${id}.desktop entry)
    if(NOT "Exec=neurosims-${program}" IN_LIST entry OR NOT "Icon=${id}" IN_LIST entry)
        message(FATAL_ERROR "${id}.desktop does not start neurosims-${program} with icon ${id}")
    endif()
    if(NOT EXISTS ${share}/icons/hicolor/scalable/apps/${id}.svg)
        message(FATAL_ERROR "No icon ${id}.svg in the package")
    endif()

    set(workdir ${PACKAGE_DIR}/run_${program})
    file(REMOVE_RECURSE ${workdir})
    file(MAKE_DIRECTORY ${workdir})
    set(ENV{NEUROSIMS_SCRIPT} ${SCRIPTS}/installed_${program}.nss)
    execute_process(COMMAND ${root}/usr/bin/neurosims-${program}
        WORKING_DIRECTORY ${workdir}
        OUTPUT_VARIABLE output
        ERROR_VARIABLE errors
        RESULT_VARIABLE status
        TIMEOUT 60)
    unset(ENV{NEUROSIMS_SCRIPT})
    string(STRIP "${output}" output)
    execute_process(COMMAND ${root}/usr/bin/neurosims-${program} --version
        OUTPUT_VARIABLE version RESULT_VARIABLE version_status TIMEOUT 20)
    if(NOT version_status EQUAL 0 OR NOT version STREQUAL "neurosims-${program} ${VERSION}\n")
        string(APPEND failures "neurosims-${program} --version (exit ${version_status}): "
            "${version}\n")
    endif()
    execute_process(COMMAND ${root}/usr/bin/neurosims-${program} --no-such-option
        OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE refused TIMEOUT 20)
    if(NOT refused EQUAL 2)
        string(APPEND failures "neurosims-${program} --no-such-option exited ${refused}, not 2\n")
    endif()
    file(READ ${SCRIPTS}/installed_${program}.expected expected)
    string(STRIP "${expected}" expected)
    if(NOT status EQUAL 0 OR NOT output STREQUAL expected)
        string(APPEND failures "--- neurosims-${program} (exit ${status}) printed ---\n"
            "${output}\n--- expected ---\n${expected}\n--- stderr ---\n${errors}\n")
    endif()
endforeach()
if(failures)
    message(FATAL_ERROR "${failures}")
endif()
