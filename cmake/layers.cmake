# One library per source folder, each compiled against an include root of its
# own. The root holds links to the headers of the library's folders only, so a
# library sees another folder's headers only by linking that folder's library:
# an include of a folder it does not depend on fails to compile. src/ itself is
# never an include directory.
set(ZEV_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include)

# zev_header_root(TARGET DIR...): makes TARGET's include root for DIRs (folders under src/).
function(zev_header_root target)
  set(root ${ZEV_INCLUDE_ROOTS}/${target})
  file(REMOVE_RECURSE ${root})
  foreach(dir IN LISTS ARGN)
    file(MAKE_DIRECTORY ${root}/${dir})
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.h)
    foreach(header IN LISTS headers)
      get_filename_component(name ${header} NAME)
      file(CREATE_LINK ${header} ${root}/${dir}/${name} SYMBOLIC)
    endforeach()
  endforeach()
endfunction()

# zev_library(TARGET [OBJECT] DIRS dir... [SOURCES file...] [EXCLUDE file...] [DEPS target...]):
# a library of the .cpp files in DIRs (but EXCLUDE) that may use the libraries in DEPS.
function(zev_library target)
  cmake_parse_arguments(arg "OBJECT" "" "DIRS;SOURCES;EXCLUDE;DEPS" ${ARGN})
  set(sources ${arg_SOURCES})
  foreach(dir IN LISTS arg_DIRS)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(arg_EXCLUDE)
    list(REMOVE_ITEM sources ${arg_EXCLUDE})
  endif()
  zev_header_root(${target} ${arg_DIRS})
  if(NOT sources)
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${ZEV_INCLUDE_ROOTS}/${target})
    target_link_libraries(${target} INTERFACE ${arg_DEPS})
    return()
  endif()
  if(arg_OBJECT)
    add_library(${target} OBJECT ${sources})
  else()
    add_library(${target} STATIC ${sources})
  endif()
  target_include_directories(${target} PUBLIC ${ZEV_INCLUDE_ROOTS}/${target})
  target_compile_options(${target} PRIVATE ${ZEV_WARNINGS})
  target_link_libraries(${target} PUBLIC ${arg_DEPS})
endfunction()
