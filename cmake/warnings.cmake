# The compiler warnings of every target. VYN_WERROR turns them into errors;
# it is off by default until the tree builds cleanly with the stricter set.
option(VYN_WERROR "Treat compiler warnings as errors" OFF)

set(VYN_WARNING_FLAGS
  -Wall
  -Wextra
  -Wpedantic
  -Wshadow
  -Wnon-virtual-dtor)
add_compile_options(${VYN_WARNING_FLAGS})
if(VYN_WERROR)
  add_compile_options(-Werror)
endif()
