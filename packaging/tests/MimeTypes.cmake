# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes a MIME database from XML alone in WORKDIR (update-mime-database must take it without a
# word), and asks xdg-mime for the type of each program's sample session in SAMPLES, as named
# (<program>.<program>-session: its suffix decides) and copied without its suffix (its first
# bytes decide): both must be application/x-neurosims-<program>-session. Without the tools it
# says so ("not checked"), and the test counts as skipped.
cmake_minimum_required(VERSION 3.25)
find_program(UPDATE_MIME update-mime-database)
find_program(XDG_MIME xdg-mime)
find_program(MIMETYPE mimetype)
if(NOT UPDATE_MIME OR NOT XDG_MIME OR NOT MIMETYPE)
    message("update-mime-database, xdg-mime or mimetype is not installed (Debian packages "
        "shared-mime-info, xdg-utils, libfile-mimeinfo-perl): not checked")
    return()
endif()
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR}/share/mime/packages ${WORKDIR}/home ${WORKDIR}/unnamed)
file(COPY ${XML} DESTINATION ${WORKDIR}/share/mime/packages)
# Only this database: no person's or system's types take part.
set(ENV{XDG_DATA_HOME} ${WORKDIR}/home)
set(ENV{XDG_DATA_DIRS} ${WORKDIR}/share)
# A generic desktop, where xdg-mime asks the shared MIME database through mimetype.
unset(ENV{XDG_CURRENT_DESKTOP})
unset(ENV{DESKTOP_SESSION})
execute_process(COMMAND ${UPDATE_MIME} ${WORKDIR}/share/mime
    OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "update-mime-database refused or warned of ${XML}:\n${out}")
endif()

string(REPLACE "," ";" programs "${PROGRAMS}")
set(failures "")
foreach(program IN LISTS programs)
    set(sample ${SAMPLES}/${program}.${program}-session)
    set(unnamed ${WORKDIR}/unnamed/${program})
    file(COPY_FILE ${sample} ${unnamed})
    foreach(file ${sample} ${unnamed})
        execute_process(COMMAND ${XDG_MIME} query filetype ${file}
            OUTPUT_VARIABLE type ERROR_VARIABLE errors OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT type STREQUAL "application/x-neurosims-${program}-session")
            string(APPEND failures "${file}: \"${type}\" ${errors}\n")
        endif()
    endforeach()
endforeach()
if(failures)
    message(FATAL_ERROR "Sessions of the wrong type:\n${failures}")
endif()
