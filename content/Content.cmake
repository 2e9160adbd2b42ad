# The starter-content generator: an ordinary program of the project that
# writes the game's program folder. Its items are an object library of their
# own so that the tests can run single items too.
find_file(VP_DEJAVU_FONT_FILE DejaVuSans.ttf PATHS /usr/share/fonts/truetype/dejavu NO_DEFAULT_PATH REQUIRED)
find_file(VP_DEJAVU_LICENSE_FILE copyright PATHS /usr/share/doc/fonts-dejavu-core NO_DEFAULT_PATH REQUIRED)

file(GLOB_RECURSE VP_CONTENT_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/content/*.cpp)
list(REMOVE_ITEM VP_CONTENT_SOURCES ${PROJECT_SOURCE_DIR}/content/main.cpp)
list(FILTER VP_CONTENT_SOURCES EXCLUDE REGEX "/content/lint/")
add_library(vp_content_items OBJECT ${VP_CONTENT_SOURCES})
vp_link_everything(vp_content_items)
# The menu's music is Ogg Vorbis; only the generator encodes it.
target_link_libraries(vp_content_items PUBLIC PkgConfig::VORBISENC)
target_compile_definitions(vp_content_items PRIVATE
  VP_DEJAVU_FONT_FILE="${VP_DEJAVU_FONT_FILE}" VP_DEJAVU_LICENSE_FILE="${VP_DEJAVU_LICENSE_FILE}")

add_executable(vp_content content/main.cpp $<TARGET_OBJECTS:vp_content_items>)
vp_link_everything(vp_content)
target_link_libraries(vp_content PRIVATE PkgConfig::VORBISENC)

# Fills the program folder beside the game: cmake --build <dir> --target content
add_custom_target(content COMMAND vp_content ${CMAKE_BINARY_DIR}/game
  COMMENT "Generating the starter content in ${CMAKE_BINARY_DIR}/game")

# The linter checks a data folder before it ships; it links the game's
# libraries so that it resolves every name exactly as the game does.
file(GLOB VP_CONTENT_LINT_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/content/lint/*.cpp)
list(REMOVE_ITEM VP_CONTENT_LINT_SOURCES ${PROJECT_SOURCE_DIR}/content/lint/main.cpp)
add_library(vp_content_lint OBJECT ${VP_CONTENT_LINT_SOURCES})
vp_link_everything(vp_content_lint)
add_executable(content_lint content/lint/main.cpp $<TARGET_OBJECTS:vp_content_lint>)
vp_link_everything(content_lint)

# Tests under tests/content/ see the items and run the generator itself.
if(VP_BUILD_TESTS)
  file(GLOB VP_CONTENT_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/content/*_test.cpp)
  foreach(source ${VP_CONTENT_TESTS})
    get_filename_component(name ${source} NAME_WE)
    set(target content_${name})
    # The ThreadSanitizer build makes only the tests labelled threads.
    if(NOT TARGET ${target})
      continue()
    endif()
    target_link_libraries(${target} PRIVATE vp_content_items)
    target_compile_definitions(${target} PRIVATE VP_CONTENT_PROGRAM="$<TARGET_FILE:vp_content>")
    add_dependencies(${target} vp_content)
  endforeach()
endif()

# The linter's tests run it on generated folders and broken copies, and
# its reading of the item table on rows of each form.
if(TARGET content_content_lint_fixed_names_test)
  target_link_libraries(content_content_lint_fixed_names_test PRIVATE vp_content_lint)
endif()
if(TARGET content_content_lint_test)
  add_dependencies(content_content_lint_test content_lint)
  target_compile_definitions(content_content_lint_test PRIVATE VP_CONTENT_LINT_PROGRAM="$<TARGET_FILE:content_lint>"
    VP_CONTENT_ITEM_TABLE="${PROJECT_SOURCE_DIR}/content/README.md")
endif()

# The start-up tests run the built game from a generated folder.
if(VP_BUILD_TESTS AND TARGET vantrell AND TARGET content_content_startup_test)
  add_dependencies(content_content_startup_test vantrell)
  target_compile_definitions(content_content_startup_test PRIVATE VP_PROGRAM_PATH="$<TARGET_FILE:vantrell>")
endif()

# The start-up benchmark runs the generator and the game.
if(TARGET content_startup_bench AND TARGET vantrell)
  add_dependencies(content_startup_bench vp_content vantrell first_present_probe)
  target_compile_definitions(content_startup_bench PRIVATE
    VP_CONTENT_PROGRAM="$<TARGET_FILE:vp_content>" VP_PROGRAM_PATH="$<TARGET_FILE:vantrell>"
    VP_FIRST_PRESENT_PROBE="$<TARGET_FILE:first_present_probe>")
endif()

# The level-load benchmark also loads the largest standard round it generates.
if(TARGET level_load_bench)
  target_link_libraries(level_load_bench PRIVATE vp_content_items)
endif()
