# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs PROGRAM under the automation script SCRIPT in WORKDIR and compares its standard
# output with EXPECTED line for line. For every "printto FILE" line of the script, the
# text of the written PDF (pdftotext) is appended to the output after a "== FILE ==" line.
# Dates and times are replaced by <datetime> so that printed pages compare across days.
file(MAKE_DIRECTORY ${WORKDIR})
# The program's data folder (where its recovery copies go) is the test's own, never the
# person's.
get_filename_component(data_name ${EXPECTED} NAME_WE)
set(ENV{XDG_DATA_HOME} ${WORKDIR}/data/${data_name})
file(REMOVE_RECURSE $ENV{XDG_DATA_HOME})
set(ENV{NEUROSIMS_SCRIPT} ${SCRIPT})
execute_process(COMMAND ${PROGRAM}
    WORKING_DIRECTORY ${WORKDIR}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors
    RESULT_VARIABLE status
    TIMEOUT 120)

file(STRINGS ${SCRIPT} script_lines)
foreach(line IN LISTS script_lines)
    if(line MATCHES "^printto +(.+)$")
        set(pdf ${CMAKE_MATCH_1})
        execute_process(COMMAND pdftotext -raw ${pdf} -
            WORKING_DIRECTORY ${WORKDIR}
            OUTPUT_VARIABLE pdf_text
            RESULT_VARIABLE pdf_status)
        if(NOT pdf_status EQUAL 0)
            set(pdf_text "(no readable PDF)\n")
        endif()
        string(APPEND output "== ${pdf} ==\n${pdf_text}")
    endif()
endforeach()
string(REGEX REPLACE "[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]"
    "<datetime>" output "${output}")
string(ASCII 12 formfeed)
string(REPLACE "${formfeed}" "" output "${output}")
string(REGEX REPLACE "\n+$" "" output "${output}")

file(READ ${EXPECTED} expected)
string(REGEX REPLACE "\n+$" "" expected "${expected}")
if(NOT output STREQUAL expected)
    get_filename_component(name ${EXPECTED} NAME_WE)
    file(WRITE ${WORKDIR}/${name}.actual "${output}\n")
    message(FATAL_ERROR "Output differs from ${EXPECTED}\n--- actual (also in ${WORKDIR}/${name}.actual) ---\n${output}\n--- stderr ---\n${errors}")
endif()
if(NOT status EQUAL 0 AND NOT output MATCHES "error:")
    message(FATAL_ERROR "Program exited with ${status}\n${errors}")
endif()
