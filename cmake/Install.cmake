# Installation and the Debian package.
#
# Layout under the prefix (/usr for the package):
#   bin/kestrametrix, bin/kestrametrix-cli, bin/kestrametrix-decoder-sim
#   share/kestrametrix/data/           the files seeded into a working folder
#                                      (sounds, images, settings, databases,
#                                      the help guide under Guides/)
#   share/applications/kestrametrix.desktop
#   share/man/man1/*.1.gz, share/doc/kestrametrix/{copyright,changelog.gz}
#   share/icons/hicolor/64x64/apps/kestrametrix.png
# The program finds its seed data from its own location
# (bin/../share/kestrametrix/data). Nothing is ever installed into a user's
# working folder: the program copies what is missing there when it starts.
include(GNUInstallDirs)

install(TARGETS kestrametrix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(tool kestrametrix-cli kestrametrix-decoder-sim)
  if(TARGET ${tool})
    install(TARGETS ${tool} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The Markdown sources (guide, notes on the images) and the repository's own
# files stay in the repository.
install(DIRECTORY data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kestrametrix/data
        PATTERN "*.md" EXCLUDE
        PATTERN ".git*" EXCLUDE)

# Manual pages and the changelog, compressed as Debian wants them (gzip -9n:
# no name, no date, so that two builds give the same bytes).
set(ksy_compressed)
foreach(page kestrametrix kestrametrix-cli kestrametrix-decoder-sim)
  list(APPEND ksy_compressed man/${page}.1)
endforeach()
list(APPEND ksy_compressed changelog)
set(ksy_gz_outputs)
foreach(item IN LISTS ksy_compressed)
  set(out ${CMAKE_BINARY_DIR}/packaging/${item}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging/man
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/${item} > ${out}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${item} VERBATIM)
  list(APPEND ksy_gz_outputs ${out})
endforeach()
add_custom_target(ksy_package_docs ALL DEPENDS ${ksy_gz_outputs})
foreach(page kestrametrix kestrametrix-cli kestrametrix-decoder-sim)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/man/${page}.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrametrix)
# What lintian would say and is meant so (packaging/lintian-overrides says why).
install(FILES packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME kestrametrix)
install(FILES packaging/kestrametrix.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/images/res_01_window_icon.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps
        RENAME kestrametrix.png)

# Debian package (scripts/package.sh): dependencies on shared libraries are
# computed by dpkg-shlibdeps; what the program loads at run time without
# linking it (sound back end, Arial-compatible fonts) is listed by hand.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "kestrametrix")
set(CPACK_PACKAGE_VENDOR "Kestrametrix Sand Yachting")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chronométrage des courses de char à voile")
# One string (a CMake list would be joined with ";"), lines under 80
# characters: the long description as dpkg shows it.
# CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Chronomètre les séries d'une course de char à voile à partir d'un décodeur
radio sur port série : décompte, départ, tours, tableau en direct, annonces
vocales, classements des manches et général, feuilles de résultats et
exports.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kestrametrix Sand Yachting <contact@kestrametrix.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
include(CPack)
