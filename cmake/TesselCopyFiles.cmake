# tessel_copy_files(OUT_VAR FOLDER files...): copies each file into FOLDER at build time, again
# whenever it changes, and names the copies in OUT_VAR for a target to depend on.
function(tessel_copy_files out_var folder)
  set(copies)
  foreach(source ${ARGN})
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${folder}/${name}
      COMMAND ${CMAKE_COMMAND} -E copy ${source} ${folder}/${name}
      DEPENDS ${source}
      VERBATIM)
    list(APPEND copies ${folder}/${name})
  endforeach()
  set(${out_var} ${copies} PARENT_SCOPE)
endfunction()
