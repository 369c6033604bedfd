# What `cmake --install` puts under the prefix, and the Debian package made
# from it by `cpack -G DEB`. The program finds its data in
# PREFIX/share/sorn-editor, relative to PREFIX/bin, so any prefix works.
include(GNUInstallDirs)

set(sorn_share ${CMAKE_INSTALL_DATADIR}/sorn-editor)
set(sorn_pkg ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS sorn-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Where the program users start finds the one that draws.
install(TARGETS sorn-editor-qt RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/sorn-editor)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${sorn_share})
install(FILES ${sorn_violin} DESTINATION ${sorn_share}/デフォルト)
install(FILES ${sorn_qm_files} DESTINATION ${sorn_share}/translations)

install(FILES ${sorn_pkg}/sorn-editor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${sorn_pkg}/sorn-editor-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME sorn-editor.xml)
install(FILES ${sorn_pkg}/io.github.sorn_editor.SornEditor.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${sorn_pkg}/icons/sorn-editor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${sorn_pkg}/icons/hicolor/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# Debian wants manual pages and changelogs compressed, reproducibly.
set(sorn_gz ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(
  OUTPUT ${sorn_gz}/sorn-editor.1.gz ${sorn_gz}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${sorn_gz}
  COMMAND gzip -9n -c ${sorn_pkg}/sorn-editor.1 > ${sorn_gz}/sorn-editor.1.gz
  COMMAND gzip -9n -c ${sorn_pkg}/changelog > ${sorn_gz}/changelog.gz
  DEPENDS ${sorn_pkg}/sorn-editor.1 ${sorn_pkg}/changelog
  COMMENT "Compressing the manual page and the changelog")
add_custom_target(sorn_docs ALL DEPENDS ${sorn_gz}/sorn-editor.1.gz ${sorn_gz}/changelog.gz)
install(FILES ${sorn_gz}/sorn-editor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${sorn_gz}/changelog.gz ${sorn_pkg}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME sorn-editor)
set(CPACK_PACKAGE_VENDOR "SORN score editor developers")
set(CPACK_PACKAGE_CONTACT "SORN score editor developers <sorn-editor@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "score editor for music in staff notation")
set(CPACK_PACKAGE_DESCRIPTION
    "A score editor with a Japanese and an English interface: notes, rests and\n\
signs are entered from the keyboard, scores are heard through a General MIDI synthesizer,\n\
printed part by part and exported as Standard MIDI Files and WAV.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The linked libraries come from dpkg-shlibdeps; the rest the program opens
# by name: the two libraries it loads when first needed (Debian names their
# packages after the soname: libzip.so.4 is libzip4), the platform plugin,
# the music and Japanese fonts, a soundfont.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(REPLACE ".so." "" sorn_opened_packages "${sorn_fluidsynth_soname}, ${sorn_libzip_soname}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "${sorn_opened_packages}, qt6-qpa-plugins, fonts-noto-core, fonts-noto-cjk | fonts-ipafont-gothic, timgm6mb-soundfont | fluid-soundfont-gm")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# Engraving for publication hands the score to LilyPond, when it is there.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "lilypond")
include(CPack)
