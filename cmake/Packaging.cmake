# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installation and the Debian package.
#
# Installed under a prefix (/usr in the package), the four programs are
#     bin/neurosims-<program>                                   the program
#     share/applications/org.neurosims.<program>.desktop        its menu entry
#     share/metainfo/org.neurosims.<program>.metainfo.xml       its AppStream description
#     share/icons/hicolor/scalable/apps/org.neurosims.<program>.svg   its icon
#     share/neurosims/calc/calc2.dat                            calc's training patterns
#     share/doc/neurosims/guide/                                the user guide
#     share/doc/neurosims/copyright, changelog.Debian.gz, NEWS.md.gz   licence and history
#     share/man/man1/neurosims-<program>.1.gz                   its manual page
# The commands carry the suite's name because the short names are taken by other Debian
# packages (/usr/bin/calc is a calculator's). calc looks for its pattern file in
# ../share/neurosims/calc relative to its own folder, so an unpacked package works wherever
# it is unpacked.
include(GNUInstallDirs)

# The version is the project's (the top-level project() call); this is the day it was made.
set(NEUROSIMS_RELEASE_DATE 2026-12-09)
set(NEUROSIMS_PROGRAMS reach sidestop calc somatomap)
# The package's revision of the project's version, and who answers for it (a placeholder
# address of a reserved domain until the project has its own).
set(NEUROSIMS_DEBIAN_REVISION 1)
set(NEUROSIMS_PACKAGE_VERSION ${PROJECT_VERSION}-${NEUROSIMS_DEBIAN_REVISION})
set(NEUROSIMS_CONTACT "The neurosims developers <neurosims@example.org>")

# neurosims_install_program(<program target>): installs the program as
# bin/neurosims-<program>, stripped when the install or the package asks for it.
function(neurosims_install_program target)
    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    set(bindir "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}")
    if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
        set(bindir "\$ENV{DESTDIR}${CMAKE_INSTALL_BINDIR}")
    endif()
    install(CODE "
        message(STATUS \"Installing: ${bindir}/neurosims-${target}\")
        file(RENAME \"${bindir}/${target}\" \"${bindir}/neurosims-${target}\")")
endfunction()

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(generated ${PROJECT_BINARY_DIR}/packaging)
find_program(GZIP_PROGRAM gzip REQUIRED)
find_program(GROFF_PROGRAM groff)

# neurosims_gzip(<source> <destination folder> [<name>]): installs the file compressed as
# Debian wants it (-9, no name or time stamp inside), as <name>.gz.
set(compressed_files "")
function(neurosims_gzip source destination)
    get_filename_component(name ${source} NAME)
    if(ARGC GREATER 2)
        set(name ${ARGV2})
    endif()
    set(output ${generated}/${name}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND sh -c "${GZIP_PROGRAM} -9nc < \"$1\" > \"$2\"" gzip ${source} ${output}
        DEPENDS ${source}
        VERBATIM)
    install(FILES ${output} DESTINATION ${destination})
    set(compressed_files ${compressed_files} ${output} PARENT_SCOPE)
endfunction()

# The licence and the history.
install(FILES ${packaging}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
configure_file(${packaging}/debian/changelog.in ${generated}/changelog.Debian @ONLY)
neurosims_gzip(${generated}/changelog.Debian ${CMAKE_INSTALL_DOCDIR})
neurosims_gzip(${PROJECT_SOURCE_DIR}/NEWS.md ${CMAKE_INSTALL_DOCDIR})

# The manual pages, each checked by groff for anything it would warn of.
foreach(program IN LISTS NEUROSIMS_PROGRAMS)
    set(page ${generated}/neurosims-${program}.1)
    configure_file(${packaging}/man/neurosims-${program}.1.in ${page} @ONLY)
    neurosims_gzip(${page} ${CMAKE_INSTALL_MANDIR}/man1)
    if(GROFF_PROGRAM)
        add_test(NAME man.neurosims-${program} COMMAND ${GROFF_PROGRAM} -man -ww -z ${page})
        set_tests_properties(man.neurosims-${program} PROPERTIES FAIL_REGULAR_EXPRESSION ".")
    endif()
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed_files})
# The user guide: its pages, their pictures and the experiment scripts they refer to.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/guide
    FILES_MATCHING PATTERN "*.md" PATTERN "*.png" PATTERN "*.nss")
foreach(program IN LISTS NEUROSIMS_PROGRAMS)
    set(id org.neurosims.${program})
    install(FILES ${packaging}/desktop/${id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    configure_file(${packaging}/metainfo/${id}.metainfo.xml.in
        ${generated}/${id}.metainfo.xml @ONLY)
    install(FILES ${generated}/${id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${packaging}/icons/${program}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${id}.svg)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME neurosims)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${NEUROSIMS_DEBIAN_REVISION})
set(CPACK_PACKAGE_VENDOR "The neurosims developers")
set(CPACK_PACKAGE_CONTACT "${NEUROSIMS_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "four teaching simulations of model neurons")
# Lines of at most 79 characters, as the control file's extended description wants them.
set(CPACK_PACKAGE_DESCRIPTION
    "Four small desktop simulations that show how populations and networks of
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
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-liberation")
include(CPack)

# The package tests: one builds the package with CPack and checks what it holds, the other
# unpacks it and starts every program from its installed path.
set(package_dir ${PROJECT_BINARY_DIR}/package_test)
string(REPLACE ";" "," program_list "${NEUROSIMS_PROGRAMS}")
add_test(NAME package.deb_contents
    COMMAND ${CMAKE_COMMAND}
        -DCPACK=${CMAKE_CPACK_COMMAND}
        -DCONFIG=${PROJECT_BINARY_DIR}/CPackConfig.cmake
        -DPACKAGE_DIR=${package_dir}
        -DEXPECTED=${packaging}/tests/deb_contents.expected
        -DGUIDE=${PROJECT_SOURCE_DIR}/docs
        -P ${packaging}/tests/BuildPackage.cmake)
set_tests_properties(package.deb_contents PROPERTIES
    FIXTURES_SETUP neurosims_deb TIMEOUT 180)
add_test(NAME package.installed_programs
    COMMAND ${CMAKE_COMMAND}
        -DPACKAGE_DIR=${package_dir}
        -DSCRIPTS=${packaging}/tests
        -DPROGRAMS=${program_list}
        -DVERSION=${PROJECT_VERSION}
        -P ${packaging}/tests/RunInstalled.cmake)
set_tests_properties(package.installed_programs PROPERTIES
    FIXTURES_REQUIRED neurosims_deb TIMEOUT 180
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")

# neurosims_checker_test(<name> <program> <arguments...>): runs a Debian checker when it is
# installed, and otherwise says so and counts as skipped.
function(neurosims_checker_test name program)
    find_program(${program}_PROGRAM ${program})
    if(${program}_PROGRAM)
        add_test(NAME ${name} COMMAND ${${program}_PROGRAM} ${ARGN})
    else()
        add_test(NAME ${name} COMMAND sh -c
            "echo '${program} is not installed (Debian package ${program}): not checked'; exit 77")
        set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
    endif()
endfunction()

# lintian, a Debian maintainer's check of the package: no error and no warning.
neurosims_checker_test(package.lintian lintian --fail-on error,warning
    ${package_dir}/neurosims.deb)
set_tests_properties(package.lintian PROPERTIES FIXTURES_REQUIRED neurosims_deb TIMEOUT 300)

# reuse: every file of the checkout names its licence and its copyright holders.
neurosims_checker_test(licence.reuse_lint reuse --root ${PROJECT_SOURCE_DIR} lint)
set_tests_properties(licence.reuse_lint PROPERTIES TIMEOUT 120)
