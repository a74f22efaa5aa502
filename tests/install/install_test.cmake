# Installs the build into a scratch DESTDIR with prefix /usr, as a package
# would, and converts the installed sample with the installed program, so
# that a missing install rule or a file the program needs from the build
# tree shows up here and not on a user's machine.
#
#   cmake -DBUILD_DIR=... -DSCRATCH=... -DWINDOW=0|1 -P install_test.cmake
foreach(variable BUILD_DIR SCRATCH WINDOW)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${SCRATCH})
set(ENV{DESTDIR} ${SCRATCH}/root)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()
unset(ENV{DESTDIR})

set(usr ${SCRATCH}/root/usr)
set(docs ${usr}/share/doc/boringconv)
set(installed
  bin/boringconv
  share/doc/boringconv/README.md
  share/doc/boringconv/samples/boring.txt
  share/doc/boringconv/samples/patdat/KISHITU.TXT
  share/boringconv/help/index.html
  share/man/man1/boringconv.1.gz)
if(WINDOW)
  list(APPEND installed
    bin/boringconv-window
    share/applications/boringconv-window.desktop
    share/icons/hicolor/scalable/apps/boringconv.svg)
endif()
foreach(file ${installed})
  if(NOT EXISTS ${usr}/${file})
    message(FATAL_ERROR "not installed: /usr/${file}")
  endif()
endforeach()

# The installed tables are a sample to copy, never to grow in place.
file(COPY ${docs}/samples/patdat DESTINATION ${SCRATCH})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${SCRATCH}/config
          ${usr}/bin/boringconv --patdat ${SCRATCH}/patdat --yes
          ${docs}/samples/boring.txt ${SCRATCH}/out
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed boringconv failed (${result}):\n${output}")
endif()
foreach(file CNT.TXT TITL01.TXT TITL02.TXT X1.TXT X3.TXT X5.TXT X12.TXT N9.TXT R72.TXT)
  if(NOT EXISTS ${SCRATCH}/out/${file})
    message(FATAL_ERROR "the installed boringconv did not write ${file}:\n${output}")
  endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
