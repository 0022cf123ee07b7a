# What `cmake --install` puts on a system, and the Debian package built from it
# by CPack (`./build.sh package`). The programs install themselves where they
# are defined; this file adds the desktop entry, the icon, the manual pages and
# the example projects.
include(GNUInstallDirs)

install(FILES data/kvor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/kvor.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kvor/examples
        FILES_MATCHING PATTERN "*.txt")

# Manual pages go compressed, as Debian keeps them.
find_program(KVOR_GZIP gzip REQUIRED)
set(KVOR_MAN_PAGES kvor.1 kvor-calc.1 kvor-il.1)
set(KVOR_COMPRESSED_MAN_PAGES)
foreach(page ${KVOR_MAN_PAGES})
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
    COMMAND ${KVOR_GZIP} -9n -c ${CMAKE_CURRENT_SOURCE_DIR}/doc/man/${page} > ${compressed}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/doc/man/${page}
    VERBATIM)
  list(APPEND KVOR_COMPRESSED_MAN_PAGES ${compressed})
endforeach()
add_custom_target(kvor_man_pages ALL DEPENDS ${KVOR_COMPRESSED_MAN_PAGES})
install(FILES ${KVOR_COMPRESSED_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvor)
set(CPACK_PACKAGE_VENDOR "Kvor")
set(CPACK_PACKAGE_CONTACT "Kvor <kvor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "prestressing tendons of concrete beams evaluated by influence lines")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Kvor1.1 lays out the prestressing tendons of a concrete beam (a simple beam\n or a continuous beam of 2 to 15 spans) and shows their effect on up to five\n quantities, each given by its influence line. The user interface is in Czech.\n Includes kvor-calc and kvor-il for scripts.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (standard buttons, file dialogs) in Czech; the libraries come from shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
