# tessel_embed_file(OUT INPUT SYMBOL NAMESPACE): a build step that turns the file INPUT into a
# C++ source defining its bytes as NAMESPACE::SYMBOL (see embed_file.cmake); the source's path
# goes to OUT, for a target to compile.
function(tessel_embed_file out input symbol namespace)
  get_filename_component(name ${input} NAME_WE)
  set(script ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/embed_file.cmake)
  set(cpp ${CMAKE_CURRENT_BINARY_DIR}/${name}_bytes.cpp)
  add_custom_command(
    OUTPUT ${cpp}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${cpp} -DSYMBOL=${symbol}
            -DNAMESPACE=${namespace} -P ${script}
    DEPENDS ${input} ${script}
    COMMENT "Embedding ${name}"
    VERBATIM)
  set(${out} ${cpp} PARENT_SCOPE)
endfunction()
