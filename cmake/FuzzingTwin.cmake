# With clang, builds a twin of a library with coverage instrumentation for
# libFuzzer, from the same sources, linked to the twins of its links.
function(tolvark_fuzzing_twin target)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    return()
  endif()
  get_target_property(sources ${target} SOURCES)
  add_library(${target}_fuzzing STATIC ${sources})
  target_compile_options(${target}_fuzzing PRIVATE -fsanitize=fuzzer-no-link)
  foreach(link IN LISTS ARGN)
    target_link_libraries(${target}_fuzzing PUBLIC ${link}_fuzzing)
  endforeach()
endfunction()
