# What `cmake --install` puts where. On POSIX the usual tree below the prefix
# (bin/, share/doc/boringconv/, share/boringconv/help/, the desktop entry and
# its icon); on Windows one flat folder to unzip anywhere: the programs, the
# README, help/ and samples/ side by side.
include(GNUInstallDirs)

if(WIN32)
  set(BORINGCONV_INSTALL_BINDIR .)
  set(BORINGCONV_INSTALL_DOCDIR .)
  set(BORINGCONV_INSTALL_HELPDIR help)
else()
  set(BORINGCONV_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
  set(BORINGCONV_INSTALL_DOCDIR ${CMAKE_INSTALL_DOCDIR})
  set(BORINGCONV_INSTALL_HELPDIR ${CMAKE_INSTALL_DATADIR}/boringconv/help)
endif()

install(TARGETS boringconv RUNTIME DESTINATION ${BORINGCONV_INSTALL_BINDIR})
if(TARGET boringconv-window)
  install(TARGETS boringconv-window RUNTIME DESTINATION ${BORINGCONV_INSTALL_BINDIR})
endif()

install(FILES README.md DESTINATION ${BORINGCONV_INSTALL_DOCDIR})
install(FILES data/help/index.html DESTINATION ${BORINGCONV_INSTALL_HELPDIR})
# The sample's tables are copied by the user before a run grows them, so
# they are installed as documentation, not as a shared pattern-data folder.
install(FILES samples/README.md samples/boring.txt
        DESTINATION ${BORINGCONV_INSTALL_DOCDIR}/samples)
install(DIRECTORY samples/patdat DESTINATION ${BORINGCONV_INSTALL_DOCDIR}/samples)

# The manual page, compressed as Debian wants it.
if(UNIX)
  set(man_page ${PROJECT_BINARY_DIR}/boringconv.1.gz)
  add_custom_command(OUTPUT ${man_page}
                     COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/man/boringconv.1 > ${man_page}
                     DEPENDS ${PROJECT_SOURCE_DIR}/data/man/boringconv.1 VERBATIM)
  add_custom_target(boringconv_man ALL DEPENDS ${man_page})
  install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

if(UNIX AND TARGET boringconv-window)
  install(FILES data/boringconv-window.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/icons/boringconv.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
