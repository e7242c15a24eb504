# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installation and the Debian package.
#
# Installed under a prefix (/usr in the package), the four programs are
#     bin/neurosims-<program>                                   the program
#     share/applications/org.neurosims.<program>.desktop        its menu entry
#     share/metainfo/org.neurosims.<program>.metainfo.xml       its AppStream description
#     share/mime/packages/neurosims.xml                         the session files' MIME types
#     share/icons/hicolor/scalable/apps/org.neurosims.<program>.svg   its icon
#     share/neurosims/calc/calc2.dat                            calc's training patterns
#     share/doc/neurosims/guide/                                the user guide, with the
#                                                               sample sessions it links
#     share/doc/neurosims/copyright, changelog.Debian.gz, NEWS.md.gz   licence and history
#     share/man/man1/neurosims-<program>.1.gz                   its manual page
# The commands carry the suite's name because the short names are taken by other Debian
# packages (/usr/bin/calc is a calculator's). calc looks for its pattern file in
# ../share/neurosims/calc relative to its own folder, so an unpacked package works wherever
# it is unpacked.
#
# That is the install's "programs" component, the package neurosims; the Python module is the
# component "python" (python/CMakeLists.txt), the package python3-neurosims. Both packages are
# made by cmake/DebianPackages.cmake.
include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME programs)

# The version is the project's (the top-level project() call); this is the day it was made.
set(NEUROSIMS_RELEASE_DATE 2026-12-09)
set(NEUROSIMS_PROGRAMS reach sidestop calc somatomap)
string(REPLACE ";" "," program_list "${NEUROSIMS_PROGRAMS}")
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
    FILES_MATCHING PATTERN "*.md" PATTERN "*.png" PATTERN "*.nss" PATTERN "*-session")
# The session files' types, by suffix and by their first bytes, for a file manager to open a
# session in its program (each menu entry takes a file, %f, and names its type).
install(FILES ${packaging}/mime/neurosims.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
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

# neurosims_checker_test(<name> <program> <arguments...>): runs a checker when it is installed,
# and otherwise says so and counts as skipped.
function(neurosims_checker_test name program)
    find_program(${program}_PROGRAM ${program})
    if(${program}_PROGRAM)
        add_test(NAME ${name} COMMAND ${${program}_PROGRAM} ${ARGN})
    else()
        set(why "${program} is not installed (tools/ensure-deps.sh installs it): not checked")
        add_test(NAME ${name} COMMAND sh -c "echo '${why}'; exit 77")
        set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
    endif()
endfunction()

# reuse: every file of the checkout names its licence and its copyright holders.
neurosims_checker_test(licence.reuse_lint reuse --root ${PROJECT_SOURCE_DIR} lint)
set_tests_properties(licence.reuse_lint PROPERTIES TIMEOUT 120)

# The menu entries as freedesktop.org defines them, and the MIME types: a database made from
# the XML alone gives each sample session its program's type, by suffix and by content.
set(desktop_entries "")
foreach(program IN LISTS NEUROSIMS_PROGRAMS)
    list(APPEND desktop_entries ${packaging}/desktop/org.neurosims.${program}.desktop)
endforeach()
neurosims_checker_test(packaging.desktop_entries desktop-file-validate ${desktop_entries})
set_tests_properties(packaging.desktop_entries PROPERTIES FAIL_REGULAR_EXPRESSION "error|warning")
add_test(NAME packaging.mime_types
    COMMAND ${CMAKE_COMMAND}
        -DXML=${packaging}/mime/neurosims.xml
        -DSAMPLES=${PROJECT_SOURCE_DIR}/docs/sessions
        -DPROGRAMS=${program_list}
        -DWORKDIR=${generated}/mime_test
        -P ${packaging}/tests/MimeTypes.cmake)
set_tests_properties(packaging.mime_types PROPERTIES TIMEOUT 60
    SKIP_REGULAR_EXPRESSION "not checked")
