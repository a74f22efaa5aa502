# Packages made by cpack from the install rules: a Debian package on Linux,
# a zip of the flat Windows folder for a Windows build.
set(CPACK_PACKAGE_NAME boringconv)
set(CPACK_PACKAGE_VENDOR "boringconv")
set(CPACK_PACKAGE_CONTACT "boringconv maintainers <boringconv@localhost>")
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
    # The window draws Japanese text; without a CJK font it shows boxes.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-ipafont-gothic")
  endif()
endif()

include(CPack)
