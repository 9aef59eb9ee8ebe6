# tessel_expose_window_builders(TARGET): the headers of the windows' builders that the writer of
# the descriptions includes, for the native build and the host tools alike.
function(tessel_expose_window_builders target)
  tessel_expose(${target} program/tool_window_description.h program/start/wstart_description.h
                program/dice/die_window.h program/dice/die_window_data.h
                program/about/info_fr_description.h)
endfunction()
