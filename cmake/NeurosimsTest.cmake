# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

include(GoogleTest)

# neurosims_test(<source> <libraries...>): one GoogleTest executable per test file,
# named after the file, its cases listed by ctest when the tests run.
function(neurosims_test source)
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        NO_PRETTY_VALUES
        PROPERTIES ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-data")
endfunction()

# neurosims_qt_test(<source> <libraries...>): the same for tests that need a QApplication.
function(neurosims_qt_test source)
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${ARGN} qt_test_main GTest::gtest)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        NO_PRETTY_VALUES
        PROPERTIES ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-data")
endfunction()

# neurosims_script_test(<program target> <script>): runs a program under an automation
# script and compares what it prints with <script minus .nss>.expected, line for line.
function(neurosims_script_test program script)
    get_filename_component(name ${script} NAME_WE)
    get_filename_component(dir ${script} DIRECTORY)
    add_test(NAME ${program}.script.${name}
        COMMAND ${CMAKE_COMMAND}
            -DPROGRAM=$<TARGET_FILE:${program}>
            -DSCRIPT=${CMAKE_CURRENT_SOURCE_DIR}/${script}
            -DEXPECTED=${CMAKE_CURRENT_SOURCE_DIR}/${dir}/${name}.expected
            -DWORKDIR=${CMAKE_CURRENT_BINARY_DIR}
            -P ${PROJECT_SOURCE_DIR}/cmake/RunScript.cmake)
    set_tests_properties(${program}.script.${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()

# neurosims_session_test(<program target> <dir> <name>): the round trip of a session
# (RunSessionRoundTrip.cmake) with <dir>/<name>.before.nss and <dir>/<name>.after.nss.
function(neurosims_session_test program dir name)
    add_test(NAME ${program}.session.${name}
        COMMAND ${CMAKE_COMMAND}
            -DPROGRAM=$<TARGET_FILE:${program}>
            -DBEFORE=${CMAKE_CURRENT_SOURCE_DIR}/${dir}/${name}.before.nss
            -DAFTER=${CMAKE_CURRENT_SOURCE_DIR}/${dir}/${name}.after.nss
            -DWORKDIR=${CMAKE_CURRENT_BINARY_DIR}
            -P ${PROJECT_SOURCE_DIR}/cmake/RunSessionRoundTrip.cmake)
    set_tests_properties(${program}.session.${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()

# neurosims_undo_test(<program target> <dir> <name> [steps]): undo and redo of the actions in
# <dir>/<name>.action.nss after <dir>/<name>.work.nss give back exact states, every value
# printed by <dir>/<name>.dump.nss (RunUndoRoundTrip.cmake).
function(neurosims_undo_test program dir name)
    set(steps 1)
    if(ARGC GREATER 3)
        set(steps ${ARGV3})
    endif()
    set(base ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/${name})
    add_test(NAME ${program}.undo.${name}
        COMMAND ${CMAKE_COMMAND}
            -DPROGRAM=$<TARGET_FILE:${program}>
            -DWORK=${base}.work.nss -DACTION=${base}.action.nss -DDUMP=${base}.dump.nss
            -DSTEPS=${steps} -DWORKDIR=${CMAKE_CURRENT_BINARY_DIR}
            -P ${PROJECT_SOURCE_DIR}/cmake/RunUndoRoundTrip.cmake)
    set_tests_properties(${program}.undo.${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()

# neurosims_demo_test(<program target>): the program's recorded demonstration in docs/demos
# replayed headless (RunDemo.cmake), its end state checked by tests/demos/check.nss against
# tests/demos/check.expected. tests/demos/record.nss records it again.
function(neurosims_demo_test program)
    add_test(NAME ${program}.demo
        COMMAND ${CMAKE_COMMAND}
            -DPROGRAM=$<TARGET_FILE:${program}>
            -DDEMO=${PROJECT_SOURCE_DIR}/docs/demos/${program}.${program}-demo
            -DCHECK=${CMAKE_CURRENT_SOURCE_DIR}/tests/demos/check.nss
            -DEXPECTED=${CMAKE_CURRENT_SOURCE_DIR}/tests/demos/check.expected
            -DWORKDIR=${CMAKE_CURRENT_BINARY_DIR}/demo
            -P ${PROJECT_SOURCE_DIR}/cmake/RunDemo.cmake)
    set_tests_properties(${program}.demo PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()
