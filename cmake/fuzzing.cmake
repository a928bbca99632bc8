# Fuzz targets (fuzz/) with clang's libFuzzer. They need clang and are
# built only in a sanitizer tree, so every input runs under AddressSanitizer
# and UndefinedBehaviorSanitizer.
option(VYN_FUZZ "Build the fuzz targets (clang with VYN_SANITIZE)" OFF)

if(VYN_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VYN_FUZZ needs clang (libFuzzer); this tree uses "
                        "${CMAKE_CXX_COMPILER_ID}: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  if(NOT VYN_SANITIZE)
    message(FATAL_ERROR "VYN_FUZZ needs VYN_SANITIZE=ON: fuzz inputs run under the sanitizers")
  endif()
endif()
