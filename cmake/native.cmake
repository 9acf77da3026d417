# Native (Linux) build: the headless backends, the test suite, benchmarks, fuzzers.
# The backends are object files linked whole, as in the Windows build (see
# windows.cmake); the program's compiled resources come with them.
zev_library(zev_headless OBJECT DIRS ui/headless os/headless SOURCES ${ZEV_RES_CPP} DEPS zev_ui zev_os)
find_package(Threads REQUIRED)
find_package(CURL QUIET)
find_package(OpenSSL QUIET COMPONENTS Crypto)
target_link_libraries(zev_headless PUBLIC Threads::Threads)
if(CURL_FOUND)
  target_link_libraries(zev_headless PUBLIC CURL::libcurl)
  target_compile_definitions(zev_headless PRIVATE ZEV_HAVE_CURL=1)
endif()
if(OpenSSL_FOUND)
  target_link_libraries(zev_headless PUBLIC OpenSSL::Crypto)
  target_compile_definitions(zev_headless PRIVATE ZEV_HAVE_OPENSSL=1)
endif()

if(NOT ZEV_FUZZ)
  enable_testing()
  find_package(GTest REQUIRED)
  file(GLOB_RECURSE ZEV_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*.cpp)
  list(FILTER ZEV_TEST_SOURCES EXCLUDE REGEX "/tests/(wine|win32)/")
  # The lock-step harness drives the whole program; the benchmarks use it too.
  # Object files travel only to the targets that link them directly, so every
  # executable below names zev_headless as well.
  set(ZEV_HARNESS_SOURCE ${CMAKE_SOURCE_DIR}/tests/harness/lockstep_harness.cpp)
  list(REMOVE_ITEM ZEV_TEST_SOURCES ${ZEV_HARNESS_SOURCE})
  add_library(zev_harness OBJECT ${ZEV_HARNESS_SOURCE})
  target_include_directories(zev_harness PUBLIC ${CMAKE_SOURCE_DIR}/tests)
  target_compile_options(zev_harness PRIVATE ${ZEV_WARNINGS})
  target_link_libraries(zev_harness PUBLIC zev_app zev_headless)
  # Test-only fixture windows, compiled like the program's resources.
  set(ZEV_FIXTURE_RES ${CMAKE_BINARY_DIR}/fixture.res)
  set(ZEV_FIXTURE_CPP ${CMAKE_BINARY_DIR}/fixture_res_data.cpp)
  add_custom_command(
    OUTPUT ${ZEV_FIXTURE_RES}
    COMMAND ${ZEV_WINDRES} -O res -I ${CMAKE_SOURCE_DIR}/tests/fixture -o ${ZEV_FIXTURE_RES} ${CMAKE_SOURCE_DIR}/tests/fixture/fixture.rc
    DEPENDS ${CMAKE_SOURCE_DIR}/tests/fixture/fixture.rc ${CMAKE_SOURCE_DIR}/tests/fixture/fixture_resource.h
    COMMENT "Compiling fixture resources")
  add_custom_command(
    OUTPUT ${ZEV_FIXTURE_CPP}
    COMMAND ${CMAKE_COMMAND} -DIN=${ZEV_FIXTURE_RES} -DOUT=${ZEV_FIXTURE_CPP} -DNAMESPACE=zevtest -DNAME=kFixtureResources
            -P ${CMAKE_SOURCE_DIR}/cmake/embed.cmake
    DEPENDS ${ZEV_FIXTURE_RES} ${CMAKE_SOURCE_DIR}/cmake/embed.cmake)
  add_executable(zev_tests ${ZEV_TEST_SOURCES} ${ZEV_FIXTURE_CPP})
  target_include_directories(zev_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_options(zev_tests PRIVATE ${ZEV_WARNINGS})
  target_link_libraries(zev_tests PRIVATE zev_harness zev_headless GTest::gtest GTest::gtest_main GTest::gmock)
  include(GoogleTest)
  gtest_discover_tests(zev_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)

  file(GLOB ZEV_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
  find_package(benchmark QUIET)
  if(ZEV_BENCH_SOURCES AND benchmark_FOUND)
    add_executable(zev_bench ${ZEV_BENCH_SOURCES})
    target_compile_options(zev_bench PRIVATE ${ZEV_WARNINGS})
    target_link_libraries(zev_bench PRIVATE zev_harness zev_headless benchmark::benchmark benchmark::benchmark_main)
  endif()
else()
  # The program's code is instrumented too, so the fuzzers see the coverage of
  # the parsers they drive, not only of their own entry points.
  foreach(lib zev_os zev_ui zev_printer zev_status zev_settings zev_maintenance zev_update zev_emulator zev_app
              zev_headless)
    target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
  endforeach()
  file(GLOB ZEV_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
  foreach(src IN LISTS ZEV_FUZZ_SOURCES)
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE ${ZEV_WARNINGS} -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE zev_app zev_headless)
  endforeach()
endif()
