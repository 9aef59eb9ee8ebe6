# cmake -P minify_page.cmake TERSER INPUT OUTPUT: the page as it is served, without what only its
# reader needs: its comments and indentation go, and its script is minified (terser, as the
# loader is), since what the page loads is counted to the byte (tests/web/page_test.py).
set(terser "${CMAKE_ARGV3}")
set(output "${CMAKE_ARGV5}")
file(READ "${CMAKE_ARGV4}" html)
string(REGEX MATCH "<script>(.*)</script>" script "${html}")
set(script "${CMAKE_MATCH_1}")
string(REPLACE "${script}" "@SCRIPT@" html "${html}")
file(WRITE "${output}.js" "${script}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs ${terser} "${output}.js"
          --ecma 2020 --compress passes=3,unsafe_arrows=true --mangle
  OUTPUT_VARIABLE minified
  RESULT_VARIABLE failed)
file(REMOVE "${output}.js")
if(failed)
  message(FATAL_ERROR "terser could not minify the page's script")
endif()
string(REGEX REPLACE "<!--([^-]|-[^-])*-->\n?" "" html "${html}")
string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" html "${html}")
string(REGEX REPLACE "\n[ \t]+" "\n" html "${html}")
string(STRIP "${minified}" minified)
string(REPLACE "@SCRIPT@" "${minified}" html "${html}")
file(WRITE "${output}" "${html}")
