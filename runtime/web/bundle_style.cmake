# cmake -P bundle_style.cmake OUTPUT INPUT...: the page's one style sheet, its parts one after
# the other, without their comments and with every run of white space made one space: what the
# page loads is counted to the byte (tests/web/page_test.py).
set(css "")
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE 4 ${last})
  file(READ "${CMAKE_ARGV${i}}" part)
  string(APPEND css "${part}\n")
endforeach()
string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" css "${css}")
string(REGEX REPLACE "[ \t\r\n]+" " " css "${css}")
string(REGEX REPLACE " ?([{};,>]) ?" "\\1" css "${css}")
string(REPLACE ": " ":" css "${css}")
string(REGEX REPLACE ";}" "}" css "${css}")
string(STRIP "${css}" css)
file(WRITE "${CMAKE_ARGV3}" "${css}\n")
