# One interface target carries the warnings and sanitizer flags to every target.
add_library(vantor_common INTERFACE)
target_compile_options(vantor_common INTERFACE
  -Wall -Wextra -Wold-style-cast -Wnon-virtual-dtor $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>
  $<$<BOOL:${VANTOR_WERROR}>:-Werror>)
target_compile_definitions(vantor_common INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(VANTOR_SANITIZE)
  target_compile_options(vantor_common INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(vantor_common INTERFACE -fsanitize=address,undefined)
endif()
if(VANTOR_FUZZ)
  # Every library gets the fuzzer's coverage and both sanitizers; only the
  # targets themselves link the fuzzer's main.
  target_compile_options(vantor_common INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(vantor_common INTERFACE -fsanitize=address,undefined)
endif()

# vantor_library(name SOURCES ... DEPS ...): a static library of one subsystem folder.
function(vantor_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC vantor_common ${ARG_DEPS})
endfunction()

# Adds every subfolder of the current source folder that has a CMakeLists.txt.
function(vantor_add_subfolders)
  file(GLOB entries LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(dir ${entries})
    if(IS_DIRECTORY ${dir} AND EXISTS ${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
