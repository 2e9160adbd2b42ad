find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE VP_TEST_SUPPORT_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/support/*.cpp)
if(VP_TEST_SUPPORT_SOURCES)
  add_library(vp_test_support OBJECT ${VP_TEST_SUPPORT_SOURCES})
  target_link_libraries(vp_test_support PUBLIC vp_options GTest::gtest GTest::gmock ${VP_EXTERNAL_LIBRARIES}
    PkgConfig::VORBISENC)
  target_include_directories(vp_test_support PUBLIC ${PROJECT_SOURCE_DIR})
  # Pictures that differ from their pinned checksum are kept here.
  target_compile_definitions(vp_test_support PRIVATE VP_TEST_OUT_DIR="${PROJECT_SOURCE_DIR}/build/test-out")
endif()

# One executable per test file: a test file that does not compile yet stops
# only itself, and each can be built and run on its own.
#
# A test that runs shared state from several threads at once is named
# <source>_threads_test.cpp, next to the source's other tests: its name alone
# gives it the CTest label "threads", and a ThreadSanitizer build (VP_TSAN)
# builds only such tests and runs them with "ctest -L threads".
file(GLOB_RECURSE VP_TEST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/*_test.cpp)
foreach(source ${VP_TEST_SOURCES})
  # The label goes first: the discovery flattens the environment's list
  # into separate words, so whatever follows it would be misread.
  set(test_labels "")
  if(source MATCHES "_threads_test\\.cpp$")
    set(test_labels LABELS threads)
  elseif(VP_TSAN)
    continue()
  endif()
  file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR}/tests ${source})
  string(REGEX REPLACE "\\.cpp$" "" target ${relative})
  string(REPLACE "/" "_" target ${target})
  add_executable(${target} ${source})
  vp_link_everything(${target})
  if(TARGET vp_test_support)
    target_link_libraries(${target} PRIVATE vp_test_support)
  endif()
  target_link_libraries(${target} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${target} PRIVATE VP_FIXTURE_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures")
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
    PROPERTIES ${test_labels} ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy;VP_NO_MESSAGE_BOXES=1")
endforeach()

# The program's own start-up is tested on a copy of the built program.
if(TARGET app_program_test AND TARGET vantrell)
  add_dependencies(app_program_test vantrell)
  target_compile_definitions(app_program_test PRIVATE VP_PROGRAM_PATH="$<TARGET_FILE:vantrell>")
endif()

# Layering: a probe that includes a higher layer's header must not compile
# with a lower library's include root; the control probe must.
function(vp_add_layering_probe probe library expect_failure)
  add_test(NAME layering.${probe}
    COMMAND ${CMAKE_CXX_COMPILER} -std=c++20 -fsyntax-only
      -I${CMAKE_BINARY_DIR}/layer_includes/${library}
      ${PROJECT_SOURCE_DIR}/tests/layering/${probe}.cpp)
  set_tests_properties(layering.${probe} PROPERTIES WILL_FAIL ${expect_failure})
endfunction()
vp_add_layering_probe(core_includes_platform vp_core FALSE)
vp_add_layering_probe(core_includes_app vp_core TRUE)
vp_add_layering_probe(core_includes_sdl vp_core TRUE)
vp_add_layering_probe(object_includes_graphics vp_object TRUE)
vp_add_layering_probe(playfield_includes_frontend vp_playfield TRUE)
