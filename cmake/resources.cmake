# Finds windres for the native build (the Windows toolchains bring their own).
set(ZEV_RC_MAIN ${CMAKE_SOURCE_DIR}/src/res/zev.rc CACHE FILEPATH "The resource script the build compiles")
file(GLOB ZEV_RC_DEPENDS CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/res/*.rc ${CMAKE_SOURCE_DIR}/src/res/*.h ${CMAKE_SOURCE_DIR}/src/res/*.manifest
  ${CMAKE_SOURCE_DIR}/src/res/art/*)

if(NOT WIN32)
  find_program(ZEV_WINDRES NAMES i686-w64-mingw32-windres x86_64-w64-mingw32-windres windres REQUIRED)
  set(ZEV_RES_FILE ${CMAKE_BINARY_DIR}/zev.res)
  set(ZEV_RES_CPP ${CMAKE_BINARY_DIR}/zev_res_data.cpp)
  add_custom_command(
    OUTPUT ${ZEV_RES_FILE}
    COMMAND ${ZEV_WINDRES} -O res -I ${CMAKE_SOURCE_DIR}/src/res -I ${CMAKE_SOURCE_DIR}/src
            --preprocessor-arg=-DZEV_HEADLESS_RES -o ${ZEV_RES_FILE} ${ZEV_RC_MAIN}
    DEPENDS ${ZEV_RC_DEPENDS}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/src/res
    COMMENT "Compiling resources for the headless backend")
  add_custom_command(
    OUTPUT ${ZEV_RES_CPP}
    COMMAND ${CMAKE_COMMAND} -DIN=${ZEV_RES_FILE} -DOUT=${ZEV_RES_CPP} -P ${CMAKE_SOURCE_DIR}/cmake/embed.cmake
    DEPENDS ${ZEV_RES_FILE} ${CMAKE_SOURCE_DIR}/cmake/embed.cmake
    COMMENT "Embedding compiled resources")
endif()
