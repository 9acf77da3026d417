# The command-line status tool: the portable zev_cli library, the Linux program
# zev-status with its usblp bus, and the --status mode of ZevStatus.exe.

# JSON output. The header-only library comes from the build machine; a cross
# build gets a copy of its folder alone, never the host's whole include tree.
find_path(ZEV_JSON_HOST_INCLUDE nlohmann/json.hpp PATHS /usr/include /usr/local/include
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT ZEV_JSON_HOST_INCLUDE)
  message(FATAL_ERROR "nlohmann/json.hpp not found: run scripts/setup.sh (package nlohmann-json3-dev)")
endif()
if(CMAKE_CROSSCOMPILING)
  file(COPY ${ZEV_JSON_HOST_INCLUDE}/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/third_party/include)
  set(ZEV_JSON_INCLUDE ${CMAKE_BINARY_DIR}/third_party/include)
else()
  set(ZEV_JSON_INCLUDE ${ZEV_JSON_HOST_INCLUDE})
endif()

# The tool builds its records from the printer link, the status decoder and the
# settings words; it uses no window and nothing of app/. Its two programs choose
# the bus: usblp or the emulator on Linux, the USB bus or the emulator on Windows.
# Each program's own entry into the tool is compiled with that program.
set(ZEV_CLI_MAIN_LINUX ${CMAKE_SOURCE_DIR}/src/cli/main_linux.cpp)
set(ZEV_CLI_MAIN_WINDOWS ${CMAKE_SOURCE_DIR}/src/cli/windows_status.cpp)
zev_library(zev_cli DIRS cli EXCLUDE ${ZEV_CLI_MAIN_LINUX} ${ZEV_CLI_MAIN_WINDOWS}
  DEPS zev_settings zev_status zev_printer zev_os)
target_include_directories(zev_cli SYSTEM PUBLIC ${ZEV_JSON_INCLUDE})

if(WIN32)
  # The console glue (os/win32/console.*) comes with zev_win32.
  target_sources(ZevStatus PRIVATE ${ZEV_CLI_MAIN_WINDOWS})
  target_link_libraries(ZevStatus PRIVATE zev_cli)
  return()
endif()

# The kernel's USB printer interfaces: usblp on the host side, the printer
# gadget on the device side.
zev_library(zev_linux DIRS os/linux DEPS zev_os)
# The real machine's services, for the Linux tools; the tests keep the simulated
# one (zev_headless).
zev_library(zev_posix OBJECT DIRS os/posix DEPS zev_os)

if(ZEV_FUZZ)
  foreach(lib zev_cli zev_linux)
    target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
  endforeach()
  foreach(fuzzer fuzz_cli_options fuzz_cli_formats fuzz_usblp_text)
    target_link_libraries(${fuzzer} PRIVATE zev_cli zev_linux)
  endforeach()
  return()
endif()

add_executable(zev-status ${ZEV_CLI_MAIN_LINUX})
target_compile_options(zev-status PRIVATE ${ZEV_WARNINGS})
target_link_libraries(zev-status PRIVATE zev_cli zev_linux zev_emulator zev_posix)

# The emulator shown to a USB host as real printers (docs/virtual-printer.md).
set(ZEV_GADGET_MAIN ${CMAKE_SOURCE_DIR}/src/gadget/main_gadget.cpp)
zev_library(zev_gadget DIRS gadget EXCLUDE ${ZEV_GADGET_MAIN} DEPS zev_emulator zev_linux zev_os)
add_executable(zev-gadget ${ZEV_GADGET_MAIN})
target_compile_options(zev-gadget PRIVATE ${ZEV_WARNINGS})
target_link_libraries(zev-gadget PRIVATE zev_gadget zev_posix)

install(TARGETS zev-status zev-gadget RUNTIME DESTINATION bin)

if(TARGET zev_tests)
  target_link_libraries(zev_tests PRIVATE zev_cli zev_linux zev_gadget)
endif()
