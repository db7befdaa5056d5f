# Run by CPack on the staged package before it is packed: strips the program
# as Debian's own tools do, leaving out the symbols and the compiler notes.
file(GLOB programs ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*
                   ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/libexec/kulko/*)
foreach(program ${programs})
    execute_process(COMMAND file -b ${program} OUTPUT_VARIABLE kind)
    if(kind MATCHES "^ELF")
        execute_process(COMMAND ${CPACK_KULKO_STRIP} --remove-section=.comment
                                --remove-section=.note --strip-unneeded ${program}
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
