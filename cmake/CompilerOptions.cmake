add_library(vp_options INTERFACE)
target_compile_options(vp_options INTERFACE -Wall -Wextra)
if(VP_WERROR)
  target_compile_options(vp_options INTERFACE -Werror)
endif()

# Stored tables and replays depend on exact single-precision results.
target_compile_options(vp_options INTERFACE -fno-fast-math -ffp-contract=off)

if(VP_SANITIZE)
  set(VP_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_compile_options(vp_options INTERFACE ${VP_SANITIZER_FLAGS})
  target_link_options(vp_options INTERFACE ${VP_SANITIZER_FLAGS})
endif()

if(VP_TSAN)
  if(VP_SANITIZE OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VP_TSAN needs clang and excludes VP_SANITIZE")
  endif()
  set(VP_TSAN_FLAGS -fsanitize=thread -fno-omit-frame-pointer)
  target_compile_options(vp_options INTERFACE ${VP_TSAN_FLAGS})
  target_link_options(vp_options INTERFACE ${VP_TSAN_FLAGS})
endif()

if(VP_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang" OR NOT VP_SANITIZE OR NOT VP_BUILD_TESTS)
    message(FATAL_ERROR "VP_FUZZ needs clang, VP_SANITIZE and VP_BUILD_TESTS")
  endif()
  # Coverage feedback for the fuzz targets in every library; libFuzzer itself
  # and its main() are linked only into the fuzz executables.
  target_compile_options(vp_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
