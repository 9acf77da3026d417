# Windows build: the real backends and the product executable.
enable_language(RC)
# No link time in the PE header: the same sources give the same exe, byte for byte.
add_link_options(-Wl,--no-insert-timestamp)
file(GLOB ZEV_WIN32_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/ui/win32/*.cpp ${CMAKE_SOURCE_DIR}/src/os/win32/*.cpp)
# WinMain is linked as an object: from a library it would be looked for only
# after the C runtime asks for it, which is too late.
set(ZEV_WIN32_ENTRY ${CMAKE_SOURCE_DIR}/src/ui/win32/entry.cpp)
list(REMOVE_ITEM ZEV_WIN32_SOURCES ${ZEV_WIN32_ENTRY})
add_library(zev_win32 STATIC ${ZEV_WIN32_SOURCES})
target_include_directories(zev_win32 PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(zev_win32 PRIVATE ${ZEV_WARNINGS})
target_compile_definitions(zev_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(zev_win32 PUBLIC zev_core
  comctl32 setupapi shell32 user32 gdi32 urlmon bcrypt ole32 uuid)
target_link_libraries(zev_core PUBLIC zev_win32)

set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I ${CMAKE_SOURCE_DIR}/src/res -I ${CMAKE_SOURCE_DIR}/src")
set(ZEV_STATIC_LINK -static -static-libgcc -static-libstdc++ -s -Wl,--gc-sections)

if(EXISTS ${ZEV_RC_MAIN})
  # The entry point is the Win32 backend's and the program lives in zev_core;
  # the executable adds the entry point and the compiled resources.
  add_executable(ZevStatus WIN32 ${ZEV_WIN32_ENTRY} ${ZEV_RC_MAIN})
  target_compile_options(ZevStatus PRIVATE ${ZEV_WARNINGS})
  target_link_libraries(ZevStatus PRIVATE zev_core zev_win32)
  target_link_options(ZevStatus PRIVATE ${ZEV_STATIC_LINK})
  set_source_files_properties(${ZEV_RC_MAIN} PROPERTIES OBJECT_DEPENDS "${ZEV_RC_DEPENDS}")
endif()

# Programs that only exist for the end-to-end tests (fixture windows, the test driver).
file(GLOB ZEV_WINE_DIRS CONFIGURE_DEPENDS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tests/wine)
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/wine/CMakeLists.txt)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tests/wine ${CMAKE_BINARY_DIR}/wine)
endif()

# Tests of the Win32 backends on real windows (run under Wine).
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/win32/CMakeLists.txt)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tests/win32 ${CMAKE_BINARY_DIR}/win32-tests)
endif()
