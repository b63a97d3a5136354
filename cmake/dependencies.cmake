# Finds what the build needs. Anything missing stops the configuration with
# the Debian 12 package that brings it (scripts/install-deps.sh installs them
# all), so a part of Corvane is never left out because its library is absent.

function(corvane_missing what package)
  message(FATAL_ERROR "${what} was not found. Install the Debian package ${package}: "
                      "bash scripts/install-deps.sh${CORVANE_DEPS_FLAG}")
endfunction()

# A program the build or the tests run, remembered as CORVANE_PROGRAM_<name>.
function(corvane_require_program name package)
  find_program(CORVANE_PROGRAM_${name} ${name})
  if(NOT CORVANE_PROGRAM_${name})
    corvane_missing("The program ${name}" ${package})
  endif()
endfunction()

find_package(Threads REQUIRED)

find_package(PkgConfig QUIET)
if(NOT PKG_CONFIG_FOUND)
  corvane_missing("pkg-config" pkg-config)
endif()
pkg_check_modules(FFMPEG QUIET IMPORTED_TARGET libavformat libavcodec libavutil)
if(NOT FFMPEG_FOUND)
  corvane_missing("FFmpeg's libavformat, libavcodec or libavutil" "libavformat-dev libavcodec-dev libavutil-dev")
endif()

set(corvane_qt_components Core Widgets)
if(CORVANE_TESTS)
  list(APPEND corvane_qt_components Test)
endif()
find_package(Qt6 QUIET COMPONENTS ${corvane_qt_components})
if(NOT Qt6_FOUND)
  list(JOIN corvane_qt_components ", " corvane_qt_names)
  corvane_missing("Qt 6 (${corvane_qt_names})" qt6-base-dev)
endif()

# corvane-remux --verify fingerprints packets with xxHash.
find_path(XXHASH_INCLUDE_DIR xxhash.h)
find_library(XXHASH_LIBRARY xxhash)
if(NOT XXHASH_INCLUDE_DIR OR NOT XXHASH_LIBRARY)
  corvane_missing("xxHash" libxxhash-dev)
endif()

# The help viewer reads help.chm with chmlib; chmcmd compiles it.
find_path(CHMLIB_INCLUDE_DIR chm_lib.h)
find_library(CHMLIB_LIBRARY chm)
if(NOT CHMLIB_INCLUDE_DIR OR NOT CHMLIB_LIBRARY)
  corvane_missing("chmlib" libchm-dev)
endif()
corvane_require_program(chmcmd fp-utils)

if(CORVANE_TESTS)
  set(CORVANE_DEPS_FLAG " --tests")
  find_package(GTest QUIET)
  if(NOT GTest_FOUND)
    corvane_missing("GoogleTest" libgtest-dev)
  endif()
  if(NOT TARGET GTest::gmock)
    corvane_missing("GoogleMock" libgmock-dev)
  endif()
  # The media tests make their fixtures and check their results with these;
  # the end-to-end test drives the window program on a virtual display.
  corvane_require_program(ffmpeg ffmpeg)
  corvane_require_program(ffprobe ffmpeg)
  corvane_require_program(mkvmerge mkvtoolnix)
  corvane_require_program(Xvfb xvfb)
  corvane_require_program(openbox openbox)
  corvane_require_program(xdotool xdotool)
  corvane_require_program(xprop x11-utils)
  corvane_require_program(import imagemagick)
endif()
