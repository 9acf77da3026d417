# The public key the update trusts: 130 hexadecimal digits, the uncompressed
# P-256 point (see docs/update-server.md for the openssl command that prints
# it). Without one the build takes the repository's test key, marks itself as
# a test build (the exe's SpecialBuild field) and scripts/release.sh refuses it.
set(ZEV_TEST_UPDATE_PUBLIC_KEY
    "043286d9496efeaf46b24f69a66a87569000235fc367b8afa2e627253d002efcf3af554c9419fcc1685735db94a8c20723f94b4f2d1b4a6fa54dca05b8248d79e3")
set(ZEV_UPDATE_PUBLIC_KEY "$ENV{ZEV_UPDATE_PUBLIC_KEY}" CACHE STRING "The update signing key's public point (hex)")
if(ZEV_UPDATE_PUBLIC_KEY STREQUAL "")
  set(ZEV_UPDATE_PUBLIC_KEY_USED ${ZEV_TEST_UPDATE_PUBLIC_KEY})
else()
  string(TOLOWER "${ZEV_UPDATE_PUBLIC_KEY}" ZEV_UPDATE_PUBLIC_KEY_USED)
endif()
if(NOT ZEV_UPDATE_PUBLIC_KEY_USED MATCHES "^04[0-9a-f]+$")
  message(FATAL_ERROR "ZEV_UPDATE_PUBLIC_KEY must be an uncompressed P-256 point in hexadecimal")
endif()
target_compile_definitions(zev_update PRIVATE ZEV_UPDATE_PUBLIC_KEY="${ZEV_UPDATE_PUBLIC_KEY_USED}")
set(ZEV_UPDATE_TEST_KEY OFF)
if(ZEV_UPDATE_PUBLIC_KEY_USED STREQUAL ZEV_TEST_UPDATE_PUBLIC_KEY)
  set(ZEV_UPDATE_TEST_KEY ON)
  target_compile_definitions(zev_update PRIVATE ZEV_UPDATE_TEST_KEY=1)
  # The version resource says so too (the headless build has no version to show).
  set_property(SOURCE ${ZEV_RC_MAIN} APPEND PROPERTY COMPILE_DEFINITIONS ZEV_UPDATE_TEST_KEY=1)
endif()

# The common name of the certificate the maker signs driver files with; when
# set, a signed driver file is only replaced by one that this signer signed.
set(ZEV_DRIVER_SIGNER "$ENV{ZEV_DRIVER_SIGNER}" CACHE STRING "The driver files' Authenticode signer (common name)")
if(NOT ZEV_DRIVER_SIGNER STREQUAL "")
  set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/os/win32/signer_policy.cpp APPEND PROPERTY COMPILE_DEFINITIONS
               "ZEV_DRIVER_SIGNER=\"${ZEV_DRIVER_SIGNER}\"")
endif()
