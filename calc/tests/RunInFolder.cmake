# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs PROGRAM under the automation script SCRIPT in the folder WORKDIR, which holds the
# file DATA as its calc2.dat (or no calc2.dat when DATA is empty), and checks that its
# standard output equals EXPECTED and its exit status is STATUS.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
# The program's data folder (where its recovery copies go) is the test's own, never the
# person's.
set(ENV{XDG_DATA_HOME} ${WORKDIR}/data)
if(DATA)
    configure_file(${DATA} ${WORKDIR}/calc2.dat COPYONLY)
endif()
set(ENV{NEUROSIMS_SCRIPT} ${SCRIPT})
execute_process(COMMAND ${PROGRAM}
    WORKING_DIRECTORY ${WORKDIR}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors
    RESULT_VARIABLE status
    TIMEOUT 60)
string(REGEX REPLACE "\n+$" "" output "${output}")
file(READ ${EXPECTED} expected)
string(REGEX REPLACE "\n+$" "" expected "${expected}")
if(NOT output STREQUAL expected)
    message(FATAL_ERROR "Output differs from ${EXPECTED}\n--- actual ---\n${output}\n--- stderr ---\n${errors}")
endif()
if(NOT status STREQUAL STATUS)
    message(FATAL_ERROR "Exit status ${status}, expected ${STATUS}\n${errors}")
endif()
