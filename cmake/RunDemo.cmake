# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A recorded demonstration replayed headless: PROGRAM runs DEMO (a copy in WORKDIR, where a
# replay keeps its answers) as its script, then plays it and runs the lines of CHECK. Neither
# may meet an error or a fault, and what CHECK prints must be EXPECTED: the state the
# recording ended in, also in a program started with a seed of its own (--seed 9), which
# gives way to the recording's clock.
file(MAKE_DIRECTORY ${WORKDIR})
# The program's data folder (its recovery copies) is the test's own, never the person's.
set(ENV{XDG_DATA_HOME} ${WORKDIR}/data/demo)
file(REMOVE_RECURSE $ENV{XDG_DATA_HOME})
get_filename_component(name ${DEMO} NAME)
file(COPY ${DEMO} DESTINATION ${WORKDIR})
set(copy ${WORKDIR}/${name})

function(run_demo script out)
    set(ENV{NEUROSIMS_SCRIPT} ${script})
    execute_process(COMMAND ${PROGRAM} ${ARGN} WORKING_DIRECTORY ${WORKDIR}
        OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 120)
    if(NOT status EQUAL 0 OR output MATCHES "(^|\n)(error|fault):")
        message(FATAL_ERROR "${script}: exit ${status}\n${output}\n${errors}")
    endif()
    set(${out} "${output}" PARENT_SCOPE)
endfunction()

run_demo(${copy} headless)
file(READ ${CHECK} lines)
set(script ${WORKDIR}/${name}.check.nss)
file(WRITE ${script} "play ${copy}\n${lines}")
run_demo(${script} played --seed 9)
# The captions and questions of the replay are not the state.
string(REGEX REPLACE "(say|question): [^\n]*\n" "" played "${played}")
string(REGEX REPLACE "\n+$" "" played "${played}")
file(READ ${EXPECTED} expected)
string(REGEX REPLACE "\n+$" "" expected "${expected}")
if(NOT played STREQUAL expected)
    message(FATAL_ERROR "The replay of ${DEMO} ends elsewhere than its recording\n"
        "--- replay ---\n${played}\n--- recording ---\n${expected}")
endif()
