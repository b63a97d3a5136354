# Installing Corvane. The window program, its help viewer, its help file and
# its translations share one program folder, as they do in the build tree: the
# programs look for them beside their own executable (through its real path,
# so the links in bin/ do not mislead it). bin/ holds relative links to the
# programs people start, so the package works wherever it is installed.
include(GNUInstallDirs)
set(CORVANE_INSTALL_PROGRAM_DIR lib/corvane)

# A stripped install (cpack, cmake --install --strip) also drops the .comment
# and .note sections: compiler identification no one running it needs.
function(corvane_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${CORVANE_INSTALL_PROGRAM_DIR})
  set(installed "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CORVANE_INSTALL_PROGRAM_DIR}/$<TARGET_FILE_NAME:${target}>")
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                            \"${installed}\" COMMAND_ERROR_IS_FATAL ANY)
  endif()")
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
corvane_install_program(hh.exe)
install(FILES ${CORVANE_PROGRAM_DIR}/help.chm DESTINATION ${CORVANE_INSTALL_PROGRAM_DIR})
# The translations, in translations/ beside the programs that load them.
install(DIRECTORY ${CORVANE_TRANSLATIONS_DIR}/ DESTINATION ${CORVANE_INSTALL_PROGRAM_DIR}/translations
        FILES_MATCHING PATTERN "corvane_*.qm")

# Manual pages and the package's changelog are shipped compressed, as
# reproducibly as Debian's own (gzip -9n: no name, no time stamp).
set(CORVANE_COMPRESSED_DIR ${CMAKE_BINARY_DIR}/compressed)
function(corvane_compressed source name)
  set(output ${CORVANE_COMPRESSED_DIR}/${name}.gz)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CORVANE_COMPRESSED_DIR}
    COMMAND gzip -9n -c ${source} > ${output}
    DEPENDS ${source}
    VERBATIM)
  set_property(GLOBAL APPEND PROPERTY CORVANE_COMPRESSED_FILES ${output})
endfunction()

corvane_compressed(${PROJECT_SOURCE_DIR}/app/Pellumbra.1 Pellumbra.1)
install(FILES ${CORVANE_COMPRESSED_DIR}/Pellumbra.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
corvane_compressed(${PROJECT_SOURCE_DIR}/tools/corvane-remux/corvane-remux.1 corvane-remux.1)
install(FILES ${CORVANE_COMPRESSED_DIR}/corvane-remux.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
corvane_compressed(${PROJECT_SOURCE_DIR}/packaging/changelog changelog.Debian)
get_property(corvane_compressed_files GLOBAL PROPERTY CORVANE_COMPRESSED_FILES)
add_custom_target(corvane_compressed_files ALL DEPENDS ${corvane_compressed_files})

set(CORVANE_INSTALL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/corvane)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CORVANE_INSTALL_DOC_DIR})
install(FILES ${CORVANE_COMPRESSED_DIR}/changelog.Debian.gz DESTINATION ${CORVANE_INSTALL_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME corvane)

# The desktop entry, the AppStream record and the icons share one
# reverse-DNS name, under which docks and software centres find the program.
install(FILES ${PROJECT_SOURCE_DIR}/res/${CORVANE_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/res/${CORVANE_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/res/icons/hicolor/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${PROJECT_SOURCE_DIR}/res/icons/${CORVANE_DESKTOP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# A Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "QuillonStudio")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Rewraps video files into Matroska (.mkv) without re-encoding")
# Debian's control file allows 80 columns, the leading space included.
set(CPACK_PACKAGE_DESCRIPTION
    "Corvane copies every stream of a video file (video, all audio tracks,\nsubtitles, chapters and attachments) into a Matroska file without decoding\nor re-encoding anything, as fast as the disk allows. It comes with a small\nwindow program and the command-line tool corvane-remux.")
set(CPACK_PACKAGE_CONTACT "Corvane maintainers <maintainers@corvane.app>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The Debian revision is the one the package's changelog names last.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog corvane_changelog_head LIMIT_COUNT 1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)
if(corvane_changelog_head MATCHES "^corvane \\([^)]+-([^)]+)\\)")
  set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_1})
endif()
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
      "libqt6widgets6, libqt6gui6, libqt6core6, libavformat59, libavcodec59, libavutil57, libchm1, libxxhash0")
  if(CORVANE_USES_JEMALLOC)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libjemalloc2")
  endif()
endif()
# Opening web pages goes through the desktop's default browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
