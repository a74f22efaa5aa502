# pugixml, the XML parser of the exchange import. Host builds use Debian's
# libpugixml-dev; a cross build compiles Debian's pugixml source package,
# which scripts/install-deps.sh unpacks into build/deps/ (nothing else is
# downloaded).
if(CMAKE_CROSSCOMPILING)
  file(GLOB _pugixml_trees LIST_DIRECTORIES true ${PROJECT_SOURCE_DIR}/build/deps/pugixml-*)
  list(SORT _pugixml_trees)
  set(_pugixml_default "")
  if(_pugixml_trees)
    list(POP_BACK _pugixml_trees _pugixml_default)
  endif()
  set(BORINGCONV_PUGIXML_SOURCE "${_pugixml_default}"
      CACHE PATH "pugixml source tree (Debian source package) used by cross builds")
  if(NOT EXISTS "${BORINGCONV_PUGIXML_SOURCE}/src/pugixml.cpp")
    message(FATAL_ERROR "pugixml sources not found in build/deps/: run scripts/install-deps.sh "
                        "(it unpacks Debian's pugixml source package there)")
  endif()
  # Compiled straight into a static library of ours: the package's own
  # CMake project carries install rules and options a cross build needs none of.
  add_library(pugixml_static STATIC ${BORINGCONV_PUGIXML_SOURCE}/src/pugixml.cpp)
  target_include_directories(pugixml_static SYSTEM PUBLIC ${BORINGCONV_PUGIXML_SOURCE}/src)
  set_property(TARGET pugixml_static PROPERTY COMPILE_OPTIONS -w)
  add_library(pugixml::pugixml ALIAS pugixml_static)
  set(BORINGCONV_PUGIXML pugixml::pugixml)
else()
  find_package(pugixml REQUIRED)
  # The package's static library when it has one: a shared pugixml would
  # bring the shared C++ runtime back into the programs' start-up.
  if(TARGET pugixml::static)
    set(BORINGCONV_PUGIXML pugixml::static)
  else()
    set(BORINGCONV_PUGIXML pugixml::pugixml)
  endif()
endif()
