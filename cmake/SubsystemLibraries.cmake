set(VP_SUBSYSTEM_LIBRARIES "")

# Folders without sources yet get no library, so the tree can grow one
# subsystem at a time.
function(vp_add_subsystem name folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.c)
  if(sources)
    add_library(${name} OBJECT ${sources})
    target_link_libraries(${name} PUBLIC vp_options ${VP_EXTERNAL_LIBRARIES})
    set(VP_SUBSYSTEM_LIBRARIES ${VP_SUBSYSTEM_LIBRARIES} ${name} PARENT_SCOPE)
  endif()
endfunction()

# Object libraries pass their objects only to direct dependents, so every
# executable names every subsystem.
function(vp_link_everything target)
  foreach(library ${VP_SUBSYSTEM_LIBRARIES})
    target_link_libraries(${target} PRIVATE ${library})
  endforeach()
  target_link_libraries(${target} PRIVATE vp_options ${VP_EXTERNAL_LIBRARIES})
endfunction()
