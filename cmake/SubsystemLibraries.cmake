set(VP_SUBSYSTEM_LIBRARIES "")

# Each subsystem compiles against an include root of its own that holds only
# the folders it may use: its own and those of the layers below it. An
# include of a higher layer is then not found, so a wrong include fails to
# build instead of waiting for a reviewer. The roots are folders of symbolic
# links in the build tree, since every include names its path from the
# source root ("engine/core/...").
#
#   vp_add_subsystem(<library> <folder> [SEES <folder>...] [USES <external>...])
#
# SEES lists the folders besides its own that the subsystem may include;
# USES the outside libraries its sources call. Folders without sources yet
# get no library, so the tree can grow one subsystem at a time.
function(vp_add_subsystem name folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "SEES;USES")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.c)
  if(NOT sources)
    return()
  endif()
  set(root ${CMAKE_BINARY_DIR}/layer_includes/${name})
  file(REMOVE_RECURSE ${root})
  set(seen_folders ${folder} ${arg_SEES})
  foreach(seen ${seen_folders})
    # A folder inside another seen folder comes with it.
    set(covered FALSE)
    foreach(other ${seen_folders})
      string(FIND "${seen}" "${other}/" at)
      if(at EQUAL 0)
        set(covered TRUE)
      endif()
    endforeach()
    if(covered)
      continue()
    endif()
    get_filename_component(parent ${root}/${seen} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${seen} ${root}/${seen} SYMBOLIC)
  endforeach()
  add_library(${name} OBJECT ${sources})
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_include_directories(${name} PRIVATE ${root})
  target_link_libraries(${name} PRIVATE vp_options ${arg_USES})
  set(VP_SUBSYSTEM_LIBRARIES ${VP_SUBSYSTEM_LIBRARIES} ${name} PARENT_SCOPE)
endfunction()

# Every program links one shared engine library made of every subsystem's
# objects, built once: linking each test, benchmark and fuzz target against
# all the objects again would dominate the build. A shared library keeps every
# self-registering source file, which a static archive would silently drop.
function(vp_add_engine_library)
  add_library(vp_engine SHARED)
  foreach(library ${VP_SUBSYSTEM_LIBRARIES})
    target_sources(vp_engine PRIVATE $<TARGET_OBJECTS:${library}>)
  endforeach()
  target_link_libraries(vp_engine PUBLIC vp_options ${VP_EXTERNAL_LIBRARIES})
endfunction()

# Programs see the whole source tree.
function(vp_link_everything target)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE vp_engine vp_options)
endfunction()
