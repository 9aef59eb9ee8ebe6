# GoogleTest from Debian's source package, built with the project's own flags; none of it when
# BUILD_TESTING is OFF, and tessel_add_test() then adds nothing.
if(BUILD_TESTING)
  enable_testing()
  include(GoogleTest)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # A page's module has one thread.
  if(EMSCRIPTEN)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  endif()
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# A cross build lists its test cases under Wine when CTest starts, not while building, so that
# building the Windows program never needs Wine.
if(CMAKE_CROSSCOMPILING)
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
endif()

# tessel_add_test(NAME SOURCES... LIBS... [DEFINITIONS...]): one test executable, registered
# case by case.
function(tessel_add_test name)
  if(NOT BUILD_TESTING)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;DEFINITIONS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# tessel_add_fuzzer(NAME SOURCE files... LIBS... CORPUS dir): a libFuzzer target and a bounded
# run of it. tools/fuzz_all.sh finds the targets by the label fuzz.
function(tessel_add_fuzzer name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCE;LIBS" ${ARGN})
  if(NOT TESSEL_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCE})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  set(work ${CMAKE_BINARY_DIR}/fuzz-corpus/${name})
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                   sh -c "mkdir -p ${work} && exec $<TARGET_FILE:${name}> -max_total_time=15 -timeout=5 ${work} ${ARG_CORPUS}")
  set_tests_properties(${name} PROPERTIES LABELS fuzz)
  # For tools/fuzz_all.sh: the target's program and its seeds, one line each.
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/fuzz-targets/${name}
       CONTENT "$<TARGET_FILE:${name}>\n${ARG_CORPUS}\n")
endfunction()
