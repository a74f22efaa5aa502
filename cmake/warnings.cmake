# Warnings are set per target, so that code built here with other flags
# (GoogleTest for the Windows build) keeps its own.
function(bc_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /utf-8)
    if(BORINGCONV_WERROR)
      target_compile_options(${target} PRIVATE /WX)
    endif()
  else()
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
    if(BORINGCONV_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()

# One static library per folder of src/, linked only to the layers below it.
function(bc_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "" "SOURCES;DEPENDS")
  add_library(bc_${name} STATIC ${LAYER_SOURCES})
  target_include_directories(bc_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(bc_${name} PUBLIC ${LAYER_DEPENDS})
  bc_warnings(bc_${name})
endfunction()
