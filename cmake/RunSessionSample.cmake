# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A documented sample session: PROGRAM opens SAMPLE, runs the lines of SCRIPT and saves the
# session again. What it prints must be EXPECTED, and the file it saves the sample itself,
# byte for byte: the sample is what the program writes.
file(MAKE_DIRECTORY ${WORKDIR})
get_filename_component(name ${SAMPLE} NAME)
set(resaved ${WORKDIR}/resaved.${name})
# The program's data folder (where its recovery copies go) is the test's own, never the
# person's.
set(ENV{XDG_DATA_HOME} ${WORKDIR}/data/${name})
file(REMOVE_RECURSE $ENV{XDG_DATA_HOME})
file(READ ${SCRIPT} lines)
set(script ${WORKDIR}/sample.${name}.nss)
file(WRITE ${script} "open ${SAMPLE}\n${lines}\nsave ${resaved}\n")
set(ENV{NEUROSIMS_SCRIPT} ${script})
execute_process(COMMAND ${PROGRAM} WORKING_DIRECTORY ${WORKDIR}
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 120)
file(READ ${EXPECTED} expected)
string(REGEX REPLACE "\n+$" "" expected "${expected}")
string(REGEX REPLACE "\n+$" "" output "${output}")
if(NOT status EQUAL 0 OR NOT output STREQUAL expected)
    message(FATAL_ERROR "Opening ${SAMPLE} (exit ${status}) printed\n${output}\n"
        "--- expected ---\n${expected}\n--- stderr ---\n${errors}")
endif()
file(READ ${SAMPLE} sample)
file(READ ${resaved} again)
if(NOT sample STREQUAL again)
    message(FATAL_ERROR "Saving ${SAMPLE} again gives another file: ${resaved}")
endif()
