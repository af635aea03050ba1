# One helper per kind of target, so that every library, program and test is declared the same way.

function(_orvan_check_args fn)
  if(ARGN)
    message(FATAL_ERROR "${fn}: unknown arguments: ${ARGN}")
  endif()
endfunction()

# orvan_add_library(NAME SOURCES ... [DEPS ...] [PUBLIC_DEPS ...])
function(orvan_add_library name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS;PUBLIC_DEPS" ${ARGN})
  _orvan_check_args(orvan_add_library ${A_UNPARSED_ARGUMENTS})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_PUBLIC_DEPS} PRIVATE ${A_DEPS})
endfunction()

# orvan_add_program(NAME SOURCES ... [DEPS ...])
function(orvan_add_program name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  _orvan_check_args(orvan_add_program ${A_UNPARSED_ARGUMENTS})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_DEPS})
endfunction()

# The part every test shares: the source and data folders it reads, the shipped data it needs and
# its place in CTest, with Qt on the offscreen platform.
function(_orvan_register_test name)
  target_compile_definitions(${name} PRIVATE
    ORVAN_SOURCE_DIR="${CMAKE_SOURCE_DIR}" ORVAN_BUILD_DATA_DIR="${ORVAN_BUILD_DATA_DIR}")
  add_dependencies(${name} orvan_data)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# orvan_add_test(NAME SOURCES ... [DEPS ...])
# A core test: GoogleTest with Orvan's test main, which points ORVAN_HOME at a fresh folder.
function(orvan_add_test name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  _orvan_check_args(orvan_add_test ${A_UNPARSED_ARGUMENTS})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_DEPS} orvan_testsupport orvan_testmain GTest::gtest)
  _orvan_register_test(${name})
endfunction()

# orvan_add_qt_test(NAME SOURCES ... [DEPS ...])
# A widget test: GoogleTest with a main that prepares the same fresh program folder as a core test
# and then creates the QApplication on the offscreen platform. QtTest's helpers (key and mouse
# clicks, QSignalSpy) are linked in.
function(orvan_add_qt_test name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  _orvan_check_args(orvan_add_qt_test ${A_UNPARSED_ARGUMENTS})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_DEPS} orvan_testsupport orvan_qt_testmain GTest::gtest
                                        Qt6::Test Qt6::Widgets)
  _orvan_register_test(${name})
endfunction()

# orvan_add_benchmark(NAME SOURCES ... [DEPS ...])
function(orvan_add_benchmark name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  _orvan_check_args(orvan_add_benchmark ${A_UNPARSED_ARGUMENTS})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_DEPS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
