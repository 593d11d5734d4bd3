# The tests that start a display server or a session bus, beside those of installed.cmake: the picture
# box on X11, the program through AT-SPI and under Wayland compositors, and KDE's previews. Included
# by tests/CMakeLists.txt unless TARNVEL_SESSION_TESTS is off (the package's build).

# The picture box's screen tests once more on a real X server, where its pixels reach the window in
# requests of its own and are read back from the server in device pixels, at 100, 150 and 200 %.
foreach(scale 1 1.5 2)
  add_test(NAME picturebox_on_x11_at_${scale}
    COMMAND xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" $<TARGET_FILE:platform_tests> --gtest_filter=*PictureBox*)
  set_tests_properties(picturebox_on_x11_at_${scale} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;QT_SCALE_FACTOR=${scale};ASAN_OPTIONS=detect_leaks=0" RESOURCE_LOCK xvfb)
endforeach()

# The real program in Russian, Spanish, German and C sessions, read back through AT-SPI on a session bus of its own.
find_package(PkgConfig REQUIRED)
pkg_check_modules(ATSPI REQUIRED IMPORTED_TARGET atspi-2 gobject-2.0)
add_executable(language_e2e_tests e2e/harness.cpp e2e/languages_test.cpp)
target_link_libraries(language_e2e_tests PRIVATE tarnvel_testsupport GTest::gtest_main xcb PkgConfig::ATSPI)
target_compile_definitions(language_e2e_tests PRIVATE TARNVEL_PROGRAM="$<TARGET_FILE:tarnvel>")
add_test(NAME end_to_end_languages
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/accessibilitysession xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp -noreset"
          $<TARGET_FILE:language_e2e_tests>)
set_tests_properties(end_to_end_languages PROPERTIES RESOURCE_LOCK xvfb ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0" TIMEOUT 300)

# The real program under a Wayland compositor that composites, on a headless output, read back
# from the compositor (tools/waylandsession): sway with whole scales on Qt 6.4, fractional ones
# where Qt has the protocol (6.5 on), and GNOME Shell where it has fractional scales (mutter 48, with
# gdctl). Each case: the compositor, the output's scale, the window, the m of its first picture by
# the start rule (its own size) or the largest that fits (maximised), and optionally a scale the
# output changes to during the drawing with the m that follows.
add_executable(wayland_e2e_tests e2e/harness.cpp e2e/wayland_test.cpp)
target_link_libraries(wayland_e2e_tests PRIVATE tarnvel_testsupport GTest::gtest xcb Qt6::Gui)
set(waylandsession ${PROJECT_SOURCE_DIR}/tools/waylandsession)
target_compile_definitions(wayland_e2e_tests PRIVATE TARNVEL_PROGRAM="$<TARGET_FILE:tarnvel>" TARNVEL_WAYLANDSESSION="${waylandsession}")
set(wayland_cases "sway 2 own 2" "sway 2 maximised 3")
if(Qt6_VERSION VERSION_GREATER_EQUAL 6.5)
  list(APPEND wayland_cases "sway 1.25 own 2" "sway 1.25 maximised 3" "sway 1.5 own 2" "sway 1.5 maximised 3" "sway 1.5 own 2 then 2 2")
  find_program(GDCTL gdctl)
  if(GDCTL)
    list(APPEND wayland_cases "gnome 1.25 own 2" "gnome 1.25 maximised 3" "gnome 1.5 own 2" "gnome 1.5 maximised 3"
                              "gnome 2 own 2" "gnome 2 maximised 3" "gnome 1.5 own 2 then 2 2")
  endif()
endif()
foreach(case IN LISTS wayland_cases)
  separate_arguments(arguments UNIX_COMMAND "${case}")
  list(POP_FRONT arguments compositor scale window)
  list(REMOVE_ITEM arguments then)
  string(REPLACE " " "_" name "end_to_end_wayland_${case}")
  add_test(NAME ${name} COMMAND ${waylandsession} ${compositor} ${scale} ${window} $<TARGET_FILE:wayland_e2e_tests> ${arguments})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0" TIMEOUT ${time_limit} COST 1000)
  if(compositor STREQUAL gnome) # two Shells drawing in software at once starve each other's input
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK gnome-shell)
  endif()
endforeach()

# KDE's file manager on KDE Frameworks 6 reads the thumbnailer entry itself: its previews through
# KIO's preview job and kio-extras' worker, as Dolphin asks for them.
find_package(KF6KIO QUIET)
if(KF6KIO_FOUND)
  add_executable(kio_tests kio/previewjob_test.cpp)
  target_link_libraries(kio_tests PRIVATE tarnvel_testsupport KF6::KIOGui Qt6::Widgets)
  target_compile_definitions(kio_tests PRIVATE TARNVEL_DATA="${data}" TARNVEL_PROGRAM_DIR="$<TARGET_FILE_DIR:tarnvel-thumbnailer>"
                                               TARNVEL_PLUGIN_DIR="" TARNVEL_PLUGIN_ID="tarnvel")
  add_dependencies(kio_tests tarnvel-thumbnailer)
  gtest_discover_tests(kio_tests NO_PRETTY_VALUES PROPERTIES TIMEOUT ${time_limit} ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
endif()
