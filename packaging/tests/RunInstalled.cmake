# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Unpacks PACKAGE_DIR/neurosims.deb (and python3-neurosims.deb, when PYTHON names the
# interpreter the module is for) into one folder, validates the menu entries and the AppStream
# descriptions it installs, and starts each of PROGRAMS (comma-separated) from its installed
# path, in an empty working folder, under the automation script SCRIPTS/installed_<program>.nss;
# what the program prints must equal the .expected file. Each also answers --version with
# VERSION, and refuses an unknown option with exit code 2.
#
# Then, as a file manager would after the package is installed (its MIME database and its
# menu entries' cache made, as the Debian triggers make them), xdg-open opens each program's
# sample session of the installed guide on a display of its own (Xvfb): the program the sample's
# type names starts with the file and shows what SESSIONS/<program>.expected says. Last, the
# module imports from the unpacked folder and finds calc's pattern file there.
cmake_minimum_required(VERSION 3.25)
set(root ${PACKAGE_DIR}/root)
file(REMOVE_RECURSE ${root})
file(MAKE_DIRECTORY ${root})
# The program's data folder (where its recovery copies go) is the test's own, never the
# person's.
set(ENV{XDG_DATA_HOME} ${PACKAGE_DIR}/data)
file(REMOVE_RECURSE $ENV{XDG_DATA_HOME})
set(debs neurosims.deb)
if(PYTHON)
    list(APPEND debs python3-neurosims.deb)
endif()
foreach(deb IN LISTS debs)
    execute_process(COMMAND dpkg-deb -x ${PACKAGE_DIR}/${deb} ${root} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "dpkg-deb -x cannot unpack ${PACKAGE_DIR}/${deb}")
    endif()
endforeach()

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
    # The menu entry starts the installed command with a file, for its program's sessions, and
    # shows the installed icon.
    file(STRINGS ${share}/applications/${id}.desktop entry)
    if(NOT "Exec=neurosims-${program} %f" IN_LIST entry OR NOT "Icon=${id}" IN_LIST entry
            OR NOT "MimeType=application/x-neurosims-${program}-session;" IN_LIST entry)
        message(FATAL_ERROR "${id}.desktop does not start neurosims-${program} %f for its "
            "sessions with icon ${id}")
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

# A double-click on a sample session in a file manager: xdg-open on a desktop of no particular
# kind, which reads the shared MIME database and the menu entries, with only the package's.
check_tool(update-mime-database ${share}/mime)
check_tool(update-desktop-database ${share}/applications)
set(home ${PACKAGE_DIR}/xdg_home)
file(REMOVE_RECURSE ${home})
file(MAKE_DIRECTORY ${home}/data ${home}/config)
set(xdg_env --unset=QT_QPA_PLATFORM --unset=XDG_CURRENT_DESKTOP --unset=DESKTOP_SESSION
    --unset=BROWSER XDG_DATA_HOME=${home}/data XDG_CONFIG_HOME=${home}/config
    XDG_CONFIG_DIRS=${home}/config XDG_DATA_DIRS=${share} "PATH=${root}/usr/bin:$ENV{PATH}")
foreach(program IN LISTS programs)
    set(sample ${share}/doc/neurosims/guide/sessions/${program}.${program}-session)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env ${xdg_env}
            NEUROSIMS_SCRIPT=${share}/doc/neurosims/guide/sessions/${program}.nss
            xvfb-run -a -s "-screen 0 1280x1024x24" xdg-open ${sample}
        WORKING_DIRECTORY ${home}
        OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 60)
    string(STRIP "${output}" output)
    file(READ ${SESSIONS}/${program}.expected expected)
    string(STRIP "${expected}" expected)
    if(NOT status EQUAL 0 OR NOT output STREQUAL expected)
        string(APPEND failures "--- xdg-open ${sample} (exit ${status}) printed ---\n"
            "${output}\n--- expected ---\n${expected}\n--- stderr ---\n${errors}\n")
    endif()
endforeach()

# The module of the unpacked package, not the build's, in a folder without a pattern file: it
# prints where it was loaded from and calc's last error after learning, 0.
if(PYTHON)
    set(module_dir ${root}/usr/lib/python3/dist-packages)
    file(GLOB module ${module_dir}/neurosims.*.so)
    set(call "import neurosims\nfrom neurosims import calc\nprint(neurosims.__file__)\n"
        "print(calc.Network().learn(20)[-1])\n")
    string(CONCAT call ${call})
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env PYTHONPATH=${module_dir} PYTHONDONTWRITEBYTECODE=1
            ${PYTHON} -c ${call}
        WORKING_DIRECTORY ${home}
        OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 60)
    if(NOT status EQUAL 0 OR NOT output STREQUAL "${module}\n0.0\n")
        string(APPEND failures "--- the installed module (exit ${status}) printed ---\n"
            "${output}\n--- expected its path and 0.0 ---\n--- stderr ---\n${errors}\n")
    endif()
endif()
if(failures)
    message(FATAL_ERROR "${failures}")
endif()
