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
  file(STRINGS ${SOURCE}/${file} lines)
  set(found "")
  foreach(line IN LISTS lines) # the first line that names a version: the newest release
    if(line MATCHES "${pattern}")
      set(found ${CMAKE_MATCH_1})
      break()
    endif()
  endforeach()
  if(NOT found STREQUAL VERSION)
    message(SEND_ERROR "${file} names ${found} as the newest version, the build ${VERSION}")
  endif()
endforeach()
