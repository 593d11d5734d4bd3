# Fails when a translation is not finished: a text of the code that a language lacks or has left
# unfinished, or a translated text that the code no longer has. lupdate reads the code into copies
# of the translation files, so the files themselves stay as they are.
#   cmake -DLUPDATE=lupdate -DSOURCE_LIST=file -DTS_FILES="a.ts;b.ts" -DOPTIONS="..." -DOUT=dir -P checktranslations.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
set(unfinished "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  file(COPY_FILE ${ts} ${OUT}/${name})
  execute_process(COMMAND ${LUPDATE} @${SOURCE_LIST} ${OPTIONS} -ts ${OUT}/${name}
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(STRINGS ${OUT}/${name} lines REGEX "<source>|type=\"(unfinished|vanished|obsolete)\"")
  set(source "")
  foreach(line IN LISTS lines)
    if(line MATCHES "<source>(.*)</source>")
      set(source "${CMAKE_MATCH_1}")
    elseif(line MATCHES "type=\"([a-z]+)\"")
      list(APPEND unfinished "${name}: ${CMAKE_MATCH_1}: ${source}")
    endif()
  endforeach()
endforeach()
if(unfinished)
  list(JOIN unfinished "\n  " listed)
  message(FATAL_ERROR "Translations not finished (build the target update_translations, then translate):\n  ${listed}")
endif()
