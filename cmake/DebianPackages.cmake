# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian packages, one per install component (cmake/Packaging.cmake):
#     neurosims           the four programs, their menu entries, data, guide and MIME types
#     python3-neurosims   the Python module, when it is built (NEUROSIMS_PYTHON)
# and their tests. Included once every component's installs are declared.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME neurosims)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${NEUROSIMS_DEBIAN_REVISION})
set(CPACK_PACKAGE_VENDOR "The neurosims developers")
set(CPACK_PACKAGE_CONTACT "${NEUROSIMS_CONTACT}")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL programs)
# Each package's description: its summary, then lines of at most 79 characters, as the control
# file's extended description wants them.
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_NAME neurosims)
set(CPACK_DEBIAN_PROGRAMS_DESCRIPTION "four teaching simulations of model neurons
Four small desktop simulations that show how populations and networks of
model neurons compute: reach (direction-tuned cells steer a hand), sidestop
(lateral inhibition among ten units), calc (the delta rule learns
seven-segment numerals) and somatomap (a self-organising map learns the
regions of a hand).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt 6 libraries (with their platform plugins) come from the programs' own links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the windows' classic faces are drawn with.
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-liberation")
if(NEUROSIMS_PYTHON)
    list(APPEND CPACK_COMPONENTS_ALL python)
    set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-neurosims)
    set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
    # The module is built for one interpreter version (its name says which); numpy is looked
    # up when the module loads, so any python3-numpy will do. calc's pattern file comes with
    # the programs.
    math(EXPR python_next "${Python3_VERSION_MINOR} + 1")
    set(python_depends "python3 (>= ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR}~)"
        "python3 (<< ${Python3_VERSION_MAJOR}.${python_next})" python3-numpy)
    list(JOIN python_depends ", " CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS)
    set(CPACK_DEBIAN_PYTHON_PACKAGE_RECOMMENDS neurosims)
    set(CPACK_DEBIAN_PYTHON_DESCRIPTION "teaching simulations of model neurons for Python 3
The four models of the neurosims simulations (reach, sidestop, calc and
somatomap) as the Python module neurosims, with numpy arrays: the same
numbers as the windows' models, for sweeps and plots in a notebook.")
endif()
include(CPack)

# The package tests: one builds the packages with CPack and checks what they hold, the other
# unpacks them, starts every program from its installed path, opens each sample session as a
# file manager would, and imports the module.
set(package_dir ${PROJECT_BINARY_DIR}/package_test)
set(module_file "")
if(NEUROSIMS_PYTHON)
    set(module_file $<TARGET_FILE_NAME:neurosims>)
endif()
add_test(NAME package.deb_contents
    COMMAND ${CMAKE_COMMAND}
        -DCPACK=${CMAKE_CPACK_COMMAND}
        -DCONFIG=${PROJECT_BINARY_DIR}/CPackConfig.cmake
        -DPACKAGE_DIR=${package_dir}
        -DEXPECTED=${packaging}/tests
        -DGUIDE=${PROJECT_SOURCE_DIR}/docs
        -DMODULE=${module_file}
        -P ${packaging}/tests/BuildPackage.cmake)
set_tests_properties(package.deb_contents PROPERTIES
    FIXTURES_SETUP neurosims_deb TIMEOUT 240)
add_test(NAME package.installed_programs
    COMMAND ${CMAKE_COMMAND}
        -DPACKAGE_DIR=${package_dir}
        -DSCRIPTS=${packaging}/tests
        -DPROGRAMS=${program_list}
        -DVERSION=${PROJECT_VERSION}
        -DSESSIONS=${PROJECT_SOURCE_DIR}/docs/sessions
        -DPYTHON=$<$<BOOL:${NEUROSIMS_PYTHON}>:${Python3_EXECUTABLE}>
        -P ${packaging}/tests/RunInstalled.cmake)
set_tests_properties(package.installed_programs PROPERTIES
    FIXTURES_REQUIRED neurosims_deb TIMEOUT 240
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")

# lintian, a Debian maintainer's check of each package: no error and no warning.
set(debs ${package_dir}/neurosims.deb)
if(NEUROSIMS_PYTHON)
    list(APPEND debs ${package_dir}/python3-neurosims.deb)
endif()
neurosims_checker_test(package.lintian lintian --fail-on error,warning ${debs})
set_tests_properties(package.lintian PROPERTIES FIXTURES_REQUIRED neurosims_deb TIMEOUT 300)
