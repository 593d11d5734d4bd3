# Fails unless every place that names Tarnvel's version names the build's own (VERSION) as the
# newest release: the changelog, the Debian changelog's upstream part, the metainfo and both
# manual pages.
#   cmake -DVERSION=1.0.0 -DSOURCE=. -P tests/support/checkversion.cmake
cmake_minimum_required(VERSION 3.25)
set(places
  "CHANGELOG.md|^## ([^ ]+) "
  "debian/changelog|^tarnvel \\(([^-)]+)-[^)]+\\)"
  "data/io.github.tarnvel.Tarnvel.metainfo.xml|<release version=\"([^\"]+)\""
  "data/tarnvel.1|\"Tarnvel ([^\"]+)\""
  "data/tarnvel-thumbnailer.1|\"Tarnvel ([^\"]+)\"")
foreach(place IN LISTS places)
  string(REPLACE "|" ";" place "${place}")
  list(GET place 0 file)
  list(GET place 1 pattern)
  file(STRINGS ${SOURCE}/${file} newest REGEX "${pattern}" LIMIT_COUNT 1) # the first is the newest
  string(REGEX MATCH "${pattern}" _ "${newest}")
  if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(SEND_ERROR "${file} names ${CMAKE_MATCH_1} as the newest version, the build ${VERSION}")
  endif()
endforeach()
