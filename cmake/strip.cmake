# Run by CPack on the staged install before it is packed: strips the programs as Debian's own
# packaging does (plugins too), leaving out debugging information, unneeded symbols and the compiler's notes.
# The programs of the viewer's package and the plugin of the Plasma 5 one, each staged in its own folder.
file(GLOB_RECURSE staged ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*)
set(programs ${staged})
list(FILTER programs INCLUDE REGEX "/usr/bin/[^/]+$|\\.so$")
foreach(program ${programs})
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note --strip-unneeded ${program}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not strip ${program}")
  endif()
endforeach()
