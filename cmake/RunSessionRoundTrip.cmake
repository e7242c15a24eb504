# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A session's round trip: PROGRAM runs BEFORE (work part way, ending with "save SESSION"),
# then AFTER (go on, print the state) in one process; and in a fresh process opens SESSION and
# runs AFTER. What AFTER prints must be the same, line for line, in both, and free of errors.
file(MAKE_DIRECTORY ${WORKDIR})
file(READ ${BEFORE} before)
file(READ ${AFTER} after)
get_filename_component(name ${BEFORE} NAME_WE)
set(session ${WORKDIR}/${name}.session)
file(REMOVE ${session})
# The program's data folder (where its recovery copies go) is the test's own, never the
# person's.
set(ENV{XDG_DATA_HOME} ${WORKDIR}/data/${name}.session)
file(REMOVE_RECURSE $ENV{XDG_DATA_HOME})
string(REPLACE "SESSION" "${session}" before "${before}")

function(run_part text out)
    set(script ${WORKDIR}/${name}.${out}.nss)
    file(WRITE ${script} "${text}")
    set(ENV{NEUROSIMS_SCRIPT} ${script})
    execute_process(COMMAND ${PROGRAM} WORKING_DIRECTORY ${WORKDIR}
        OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 120)
    if(NOT status EQUAL 0 OR output MATCHES "(^|\n)(error|fault):")
        message(FATAL_ERROR "${out}: exit ${status}\n${output}\n${errors}")
    endif()
    set(${out} "${output}" PARENT_SCOPE)
endfunction()

run_part("${before}" saved)
run_part("${before}\n${after}" straight)
run_part("open ${session}\n${after}" reopened)
string(LENGTH "${saved}" skip)
string(SUBSTRING "${straight}" ${skip} -1 continued)
if(NOT reopened STREQUAL continued OR continued STREQUAL "")
    message(FATAL_ERROR "Going on after opening the session differs from going on without "
        "saving\n--- without saving ---\n${continued}\n--- after opening ---\n${reopened}")
endif()
