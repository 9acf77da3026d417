# Windows build: the real backends and the product executable.
enable_language(RC)

# No link time in the PE header: the same sources give the same exe, byte for byte.
add_link_options(-Wl,--no-insert-timestamp)

# The backends implement what ui/ and os/ declare, and call back into them. As
# object files linked whole into each executable they resolve the portable
# libraries' calls wherever those sit on the link line.
# WinMain is linked as an object too: from a library it would be looked for
# only after the C runtime asks for it, which is too late.
set(ZEV_WIN32_ENTRY ${CMAKE_SOURCE_DIR}/src/ui/win32/entry.cpp)
zev_library(zev_win32 OBJECT DIRS ui/win32 os/win32 EXCLUDE ${ZEV_WIN32_ENTRY} DEPS zev_ui zev_os)
target_compile_definitions(zev_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# Only KnownDLLs and comctl32 (bound side by side through the manifest) are
# imported: any other DLL would be looked for in the exe's folder first. WinHTTP,
# WinTrust and BCrypt are loaded from the system folder instead (system_library.h);
# tests/win32/check-imports.sh keeps it so.
target_link_libraries(zev_win32 PUBLIC comctl32 setupapi shell32 user32 gdi32 advapi32 ole32 uuid)

set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I ${CMAKE_SOURCE_DIR}/src/res -I ${CMAKE_SOURCE_DIR}/src")
set(ZEV_STATIC_LINK -static -static-libgcc -static-libstdc++ -s -Wl,--gc-sections)

# The program lives in zev_app; the executable adds the entry point and the
# compiled resources.
add_executable(ZevStatus WIN32 ${ZEV_WIN32_ENTRY} ${ZEV_RC_MAIN})
target_compile_options(ZevStatus PRIVATE ${ZEV_WARNINGS})
target_link_libraries(ZevStatus PRIVATE zev_app zev_win32)
target_link_options(ZevStatus PRIVATE ${ZEV_STATIC_LINK})
set_source_files_properties(${ZEV_RC_MAIN} PROPERTIES OBJECT_DEPENDS "${ZEV_RC_DEPENDS}")

# The end-to-end test driver, and the tests of the Win32 backends on real windows (run under Wine).
add_subdirectory(${CMAKE_SOURCE_DIR}/tests/wine ${CMAKE_BINARY_DIR}/wine)
add_subdirectory(${CMAKE_SOURCE_DIR}/tests/win32 ${CMAKE_BINARY_DIR}/win32-tests)
