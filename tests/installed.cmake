# The tests that check what a user of Tarnvel meets: the viewer drawing screens under a virtual X
# server, the preview program's exact PNGs, and the file type as GIO and Qt see it. The build runs
# them on the programs it made (tests/CMakeLists.txt); the package's autopkgtest runs them on the
# installed ones (TARNVEL_TEST_INSTALLED). In: TARNVEL_VIEWER and TARNVEL_THUMBNAILER, the programs,
# and TARNVEL_MIME_PACKAGE, the MIME package to add to the system's database (none: the installed one).
# Each group has a label (previews, filetype, viewer) that ctest -L picks.
find_package(GTest REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Core Gui)
include(GoogleTest)

# Building blocks every test may use: an independent decoder of screen files and temporary files.
add_library(tarnvel_testsupport STATIC support/screendecode.cpp support/tempdir.cpp support/process.cpp support/nameorder.cpp)
target_include_directories(tarnvel_testsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(tarnvel_testsupport PUBLIC GTest::gtest Qt6::Core)

# The preview program, run as file managers run it.
add_executable(thumbnailer_tests thumbnailer/thumbnailer_test.cpp)
target_link_libraries(thumbnailer_tests PRIVATE tarnvel_testsupport Qt6::Gui GTest::gtest_main)
target_compile_definitions(thumbnailer_tests PRIVATE TARNVEL_THUMBNAILER="${TARNVEL_THUMBNAILER}")
gtest_discover_tests(thumbnailer_tests NO_PRETTY_VALUES PROPERTIES TIMEOUT ${time_limit} LABELS previews ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")

# The file type as GIO and Qt's MIME database see it.
add_executable(filetype_tests data/filetype_test.cpp)
target_link_libraries(filetype_tests PRIVATE tarnvel_testsupport GTest::gtest_main)
target_compile_definitions(filetype_tests PRIVATE TARNVEL_MIME_PACKAGE="${TARNVEL_MIME_PACKAGE}")
gtest_discover_tests(filetype_tests NO_PRETTY_VALUES PROPERTIES TIMEOUT ${time_limit} LABELS filetype ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")

# The real program, driven as a user would under Xvfb.
if(TARNVEL_SESSION_TESTS)
  add_executable(e2e_tests e2e/harness.cpp e2e/e2e_test.cpp e2e/closing_test.cpp e2e/menukeys_test.cpp e2e/nowrite_test.cpp)
  target_link_libraries(e2e_tests PRIVATE tarnvel_testsupport GTest::gtest_main xcb)
  target_compile_definitions(e2e_tests PRIVATE TARNVEL_PROGRAM="${TARNVEL_VIEWER}")
  add_test(NAME end_to_end COMMAND xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp -noreset" $<TARGET_FILE:e2e_tests>)
  # Two servers starting at once may pick the same display. The longest test starts first, so that
  # the others run beside it.
  set_tests_properties(end_to_end PROPERTIES RESOURCE_LOCK xvfb ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0" TIMEOUT 900 COST 10000 LABELS viewer)
endif()
