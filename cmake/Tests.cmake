find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE VP_TEST_SUPPORT_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/support/*.cpp)
if(VP_TEST_SUPPORT_SOURCES)
  add_library(vp_test_support OBJECT ${VP_TEST_SUPPORT_SOURCES})
  target_link_libraries(vp_test_support PUBLIC vp_options GTest::gtest GTest::gmock ${VP_EXTERNAL_LIBRARIES})
endif()

# One executable per test file: a test file that does not compile yet stops
# only itself, and each can be built and run on its own.
file(GLOB_RECURSE VP_TEST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/*_test.cpp)
foreach(source ${VP_TEST_SOURCES})
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
    PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy;VP_NO_MESSAGE_BOXES=1")
endforeach()
