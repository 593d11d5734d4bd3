# Installs the viewer's part of the build tree BUILD under the staging folder OUT and checks that exactly the files
# listed in EXPECTED arrive, and that the thumbnailer entry runs the installed preview program
# for the type the MIME package defines.
file(REMOVE_RECURSE ${OUT})
set(ENV{DESTDIR} ${OUT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr --component tarnvel RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

file(GLOB_RECURSE installed RELATIVE ${OUT} ${OUT}/*)
list(SORT installed)
file(STRINGS ${EXPECTED} expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed:\n${installed}\nexpected:\n${expected}")
endif()

file(READ ${OUT}/usr/share/thumbnailers/tarnvel.thumbnailer entry)
file(READ ${OUT}/usr/share/mime/packages/tarnvel.xml mime)
string(REGEX MATCH "type=\"([^\"]+)\"" _ "${mime}")
set(type ${CMAKE_MATCH_1})
if(NOT entry MATCHES "Exec=tarnvel-thumbnailer -s %s %i %o" OR NOT entry MATCHES "MimeType=${type};")
  message(FATAL_ERROR "the thumbnailer entry does not run tarnvel-thumbnailer for ${type}:\n${entry}")
endif()
