# Where KDE Frameworks 5's KIO is installed, the main build runs the Plasma 5 plugin's own build
# (src/kio5) on the preview core it made, registers its test, and installs the plugin as the
# component "kio", packaged as tarnvel-kio-thumbnailer. Its test starts a session bus, so it is one of
# the session tests. Not in builds with the sanitizers: KIO's worker, built without them, loads the
# plugin (the fuzz target checks the core under them).
include(ExternalProject)
find_path(TARNVEL_KF5KIO_DIR KF5KIOConfig.cmake PATH_SUFFIXES lib/${CMAKE_LIBRARY_ARCHITECTURE}/cmake/KF5KIO lib/cmake/KF5KIO)
if(NOT TARNVEL_KF5KIO_DIR OR TARNVEL_SANITIZE)
  message(STATUS "No thumbnail plugin for Plasma 5 (KDE Frameworks 5's KIO: ${TARNVEL_KF5KIO_DIR}, sanitizers: ${TARNVEL_SANITIZE})")
  set(TARNVEL_KIO5_PLUGIN OFF)
  return()
endif()
set(TARNVEL_KIO5_PLUGIN ON)
set(kio5_build ${PROJECT_BINARY_DIR}/kio5)
set(kio5_tests OFF)
if(TARNVEL_TESTS AND TARNVEL_SESSION_TESTS)
  set(kio5_tests ON)
endif()
ExternalProject_Add(kio5
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/src/kio5
  BINARY_DIR ${kio5_build}
  LIST_SEPARATOR |
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}
             -DTARNVEL_WERROR=${TARNVEL_WERROR} -DTARNVEL_TESTS=${kio5_tests}
             -DTARNVEL_PREVIEW_LIBRARIES=$<TARGET_FILE:tarnvel_preview>|$<TARGET_FILE:tarnvel_fileruntime>|$<TARGET_FILE:tarnvel_screen>
  BUILD_ALWAYS ON
  INSTALL_COMMAND "")
add_dependencies(kio5 tarnvel_preview tarnvel_fileruntime tarnvel_screen)
install(CODE "execute_process(COMMAND \"${CMAKE_COMMAND}\" --install \"${kio5_build}\" --prefix \"\${CMAKE_INSTALL_PREFIX}\" COMMAND_ERROR_IS_FATAL ANY)"
  COMPONENT kio)
if(kio5_tests)
  add_test(NAME kio5_previews_are_exact COMMAND ${kio5_build}/tests/kio5_tests)
  set_tests_properties(kio5_previews_are_exact PROPERTIES TIMEOUT 300)
endif()
