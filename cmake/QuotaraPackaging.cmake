# The Debian package: `cmake --build build --target package` writes
# quotara_<version>_<arch>.deb. Library dependencies come from the binaries
# (dpkg-shlibdeps); what the program opens by name at run time is listed here.

set(QUOTARA_PACKAGE_MAINTAINER "Quotara <quotara@solvano.invalid>"
    CACHE STRING "Maintainer field of the Debian package: name <address>")

set(quotara_dist ${PROJECT_SOURCE_DIR}/dist)
set(quotara_packaged ${PROJECT_BINARY_DIR}/packaged)
set(quotara_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/quotara)

# Debian wants manual pages and the changelog compressed, without a time stamp.
find_program(QUOTARA_GZIP gzip REQUIRED)
set(quotara_compressed "")
foreach(page quotara.1 quotara-cli.1 changelog)
  if(page STREQUAL "changelog")
    set(source ${quotara_dist}/changelog.in)
  else()
    set(source ${quotara_dist}/man/${page}.in)
  endif()
  configure_file(${source} ${quotara_packaged}/${page} @ONLY)
  add_custom_command(
    OUTPUT ${quotara_packaged}/${page}.gz
    COMMAND ${QUOTARA_GZIP} -9nf -k ${quotara_packaged}/${page}
    DEPENDS ${quotara_packaged}/${page}
    COMMENT "Compressing ${page}")
  list(APPEND quotara_compressed ${quotara_packaged}/${page}.gz)
endforeach()
add_custom_target(quotara_packaged_docs ALL DEPENDS ${quotara_compressed})

install(FILES ${quotara_packaged}/quotara.1.gz ${quotara_packaged}/quotara-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${quotara_packaged}/changelog.gz ${quotara_dist}/copyright
        DESTINATION ${quotara_doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quotara)
set(CPACK_PACKAGE_VENDOR Solvano)
set(CPACK_PACKAGE_CONTACT "${QUOTARA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quote di successione secondo il Codice Civile italiano")
# Debian shows the long description as it is: lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Quotara mostra come si divide un'eredità tra gli eredi, con e senza"
  "testamento: quote, importi e percentuali di ciascun erede, quota disponibile"
  "e articoli del Codice Civile applicati. Contiene gli articoli dal 456"
  "all'809 del Codice Civile su successioni e donazioni, una raccolta di"
  "massime della giurisprudenza e una guida al testamento, e stampa come"
  "documento ciò che mostra."
  ""
  "Il pacchetto contiene anche quotara-cli, gli stessi calcoli dalla riga di"
  "comando.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/solvano/Quotara")
set(CPACK_PACKAGE_INSTALL_DIRECTORY quotara)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The start-up music needs a General MIDI SoundFont; the windows use the
# faces the layouts were drawn for and their fallback.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont, fonts-liberation2, fonts-dejavu-core")
# Italian standard buttons and dialogs; opening documents with the desktop's word processor.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-writer")

include(CPack)
