# Everything the engine links against comes from Debian packages that
# scripts/install_dependencies.sh installs.
find_package(ZLIB REQUIRED)
find_package(JPEG REQUIRED)
find_package(Freetype REQUIRED)
find_package(SDL2 REQUIRED)
find_package(Threads REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(VORBIS REQUIRED IMPORTED_TARGET ogg vorbis vorbisfile)
# Only tests, seeds and benchmarks encode Ogg Vorbis, to make their fixtures.
pkg_check_modules(VORBISENC REQUIRED IMPORTED_TARGET vorbisenc)

if(NOT TARGET SDL2::SDL2)
  add_library(SDL2::SDL2 INTERFACE IMPORTED)
  target_include_directories(SDL2::SDL2 INTERFACE ${SDL2_INCLUDE_DIRS})
  target_link_libraries(SDL2::SDL2 INTERFACE ${SDL2_LIBRARIES})
endif()

set(VP_EXTERNAL_LIBRARIES
  ZLIB::ZLIB JPEG::JPEG Freetype::Freetype SDL2::SDL2 PkgConfig::VORBIS Threads::Threads)
