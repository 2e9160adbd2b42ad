# One libFuzzer executable per fuzz/*_fuzz.cpp, linked with every library,
# the shared fuzz helpers and the test helpers that build files.
file(GLOB VP_FUZZ_SUPPORT_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/support/*.cpp)
add_library(vp_fuzz_support OBJECT ${VP_FUZZ_SUPPORT_SOURCES})
target_link_libraries(vp_fuzz_support PUBLIC vp_options ${VP_EXTERNAL_LIBRARIES})
target_include_directories(vp_fuzz_support PUBLIC ${PROJECT_SOURCE_DIR})

file(GLOB VP_FUZZ_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/*_fuzz.cpp)
foreach(source ${VP_FUZZ_SOURCES})
  get_filename_component(target ${source} NAME_WE)
  add_executable(${target} ${source})
  vp_link_everything(${target})
  target_link_libraries(${target} PRIVATE vp_fuzz_support vp_test_support GTest::gtest GTest::gmock)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endforeach()

