# Installing Corvane. The window program, its help viewer and its help file
# share one program folder, as they do in the build tree: the program looks
# for both beside its own executable (through its real path, so the links in
# bin/ do not mislead it). bin/ holds relative links to the programs people
# start, so the package works wherever it is installed.
include(GNUInstallDirs)
set(CORVANE_INSTALL_PROGRAM_DIR lib/corvane)

function(corvane_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${CORVANE_INSTALL_PROGRAM_DIR})
endfunction()

# Installs a symbolic link bin/<name> to the program in the program folder.
function(corvane_install_link name)
  set(link ${CMAKE_BINARY_DIR}/install-links/${name})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
  file(CREATE_LINK ../${CORVANE_INSTALL_PROGRAM_DIR}/${name} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

corvane_install_program(Pellumbra)
corvane_install_link(Pellumbra)
corvane_install_program(corvane-remux)
corvane_install_link(corvane-remux)
install(FILES ${PROJECT_SOURCE_DIR}/tools/corvane-remux/corvane-remux.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
corvane_install_program(hh.exe)
install(FILES ${CORVANE_PROGRAM_DIR}/help.chm DESTINATION ${CORVANE_INSTALL_PROGRAM_DIR})

install(FILES ${PROJECT_SOURCE_DIR}/res/corvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/res/icons/corvane.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${PROJECT_SOURCE_DIR}/res/icons/corvane.png DESTINATION ${CMAKE_INSTALL_DATADIR}/pixmaps)

# A Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "QuillonStudio")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Rewraps video files into Matroska (.mkv) without re-encoding")
set(CPACK_PACKAGE_DESCRIPTION
    "Corvane copies every stream of a video file (video, all audio tracks, subtitles,\nchapters and attachments) into a Matroska file without decoding or re-encoding\nanything, as fast as the disk allows. It comes with a small window program and\nthe command-line tool corvane-remux.")
set(CPACK_PACKAGE_CONTACT "Corvane developers <corvane@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# dpkg-shlibdeps derives the packages of every library the programs link, with
# their minimum versions; without it we name them ourselves.
find_program(CORVANE_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(CORVANE_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6, libqt6gui6, libqt6core6, libavformat59, libavcodec59, libavutil57, libchm1")
  if(CORVANE_USES_JEMALLOC)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libjemalloc2")
  endif()
endif()
# Opening web pages goes through the desktop's default browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
