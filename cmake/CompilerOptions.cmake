add_library(vp_options INTERFACE)
target_include_directories(vp_options INTERFACE ${PROJECT_SOURCE_DIR})
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
