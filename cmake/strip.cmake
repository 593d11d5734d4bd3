# Run by CPack on the staged install before it is packed: strips the programs as Debian's own
# packaging does, leaving out debugging information, unneeded symbols and the compiler's notes.
file(GLOB programs ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*)
foreach(program ${programs})
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note --strip-unneeded ${program}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not strip ${program}")
  endif()
endforeach()
