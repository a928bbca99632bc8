# AddressSanitizer and UndefinedBehaviorSanitizer for a whole build tree
# (its own directory, e.g. build-asan): every library, program and test is
# instrumented, and the first fault found stops the program.
option(VYN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(VYN_SANITIZE)
  set(VYN_SANITIZE_FLAGS
    -fsanitize=address,undefined
    -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  add_compile_options(${VYN_SANITIZE_FLAGS})
  add_link_options(-fsanitize=address,undefined)
  message(STATUS "Vyn: building with address and undefined-behaviour sanitizers")
endif()
