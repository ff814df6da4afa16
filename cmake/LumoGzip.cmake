# lumo_gzip(source output): compresses source into output at build time with
# gzip -9n (no name, no time stamp), as Debian's policy wants manual pages and
# change logs; man reads them as they are. The caller adds output to a target.
find_program(GZIP gzip REQUIRED)

function(lumo_gzip source output)
  get_filename_component(folder ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${GZIP} -9nc ${source} > ${output}
    DEPENDS ${source}
    COMMENT "Compressing ${output}")
endfunction()
