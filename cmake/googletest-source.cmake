# GoogleTest for a cross build: Debian's installed libraries are built for the
# host, so build the test framework from Debian's source package instead
# (package googletest, /usr/src/googletest). Nothing is downloaded.
set(BORINGCONV_GOOGLETEST_SOURCE /usr/src/googletest
    CACHE PATH "GoogleTest source tree used by cross builds")
if(NOT EXISTS ${BORINGCONV_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${BORINGCONV_GOOGLETEST_SOURCE}: "
                      "install the Debian package googletest")
endif()

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${BORINGCONV_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Our warning set (and -Werror) is for our code; the framework keeps its own.
foreach(target gtest gtest_main)
  set_property(TARGET ${target} PROPERTY COMPILE_OPTIONS -w)
endforeach()
