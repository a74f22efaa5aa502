# Packages made by cpack from the install rules: a Debian package on Linux,
# a zip of the flat Windows folder for a Windows build.
set(CPACK_PACKAGE_NAME boringconv)
set(CPACK_PACKAGE_VENDOR "boringconv")
# The Maintainer field: BORINGCONV_MAINTAINER, else Debian's DEBFULLNAME and
# DEBEMAIL of whoever builds the package, else the source tree's git identity.
set(BORINGCONV_MAINTAINER "" CACHE STRING "The package's maintainer, \"Name <address>\"")
set(maintainer "${BORINGCONV_MAINTAINER}")
if(NOT maintainer AND DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
  set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
endif()
if(NOT maintainer)
  find_package(Git QUIET)
  if(Git_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} config user.name WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE git_name OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    execute_process(COMMAND ${GIT_EXECUTABLE} config user.email WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE git_email OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(git_name AND git_email)
      set(maintainer "${git_name} <${git_email}>")
    endif()
  endif()
endif()
if(NOT maintainer)
  message(WARNING "No maintainer for the package: set BORINGCONV_MAINTAINER")
  set(maintainer "boringconv maintainers <boringconv@localhost>")
endif()
set(CPACK_PACKAGE_CONTACT "${maintainer}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Converts geotechnical boring record files for a boring-log plotting system")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "boringconv converts the Shift_JIS record file of a geotechnical boring into the "
  "fixed family of text files that a boring-log plotting system reads, growing the "
  "shared code tables of a pattern-data folder. It has a command line for scripts "
  "and a window with a Japanese interface.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Release builds carry debug information; users get the stripped programs.
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_GENERATOR "")

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-x86_64)
  # One top folder in the zip, named with the version.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # dpkg-shlibdeps (package dpkg-dev) names the runtime packages of every
  # library the programs link, the Qt 6 ones among them when the window is built.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  if(TARGET boringconv-window)
    # The window draws Japanese text; without a CJK font it shows boxes, and
    # without Qt's translations Qt's own buttons and dialogs are English.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
        "fonts-noto-cjk | fonts-ipafont-gothic, qt6-translations-l10n")
  endif()
endif()

include(CPack)
