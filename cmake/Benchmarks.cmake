find_package(benchmark REQUIRED)

file(GLOB VP_BENCH_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/*_bench.cpp)
foreach(source ${VP_BENCH_SOURCES})
  get_filename_component(target ${source} NAME_WE)
  add_executable(${target} ${source})
  vp_link_everything(${target})
  target_link_libraries(${target} PRIVATE benchmark::benchmark benchmark::benchmark_main)
  # Benchmarks build their inputs with the tests' fixture makers.
  if(TARGET vp_test_support)
    target_link_libraries(${target} PRIVATE vp_test_support)
  endif()
endforeach()

# pixman stands beside our blitters in the blit benchmarks only; nothing of
# the engine links it.
pkg_check_modules(PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
target_link_libraries(blit_bench PRIVATE PkgConfig::PIXMAN)
target_link_libraries(run_length_bench PRIVATE PkgConfig::PIXMAN)
target_link_libraries(effect_blits_bench PRIVATE PkgConfig::PIXMAN)
target_link_libraries(skin_border_bench PRIVATE PkgConfig::PIXMAN)

# The start-up benchmark preloads it into the game to time its first
# presented frame.
add_library(first_present_probe SHARED ${PROJECT_SOURCE_DIR}/bench/support/first_present_probe.cpp)
target_link_libraries(first_present_probe PRIVATE ${CMAKE_DL_LIBS})
