# Helpers shared by the per-area CMakeLists.

# Adds the named subdirectories of the current directory, one area each.
function(fretwise_add_areas)
  foreach(area IN LISTS ARGN)
    add_subdirectory(${area})
  endforeach()
endfunction()

# fretwise_add_library(NAME [CORE] SOURCES ... [PUBLIC ...] [PRIVATE ...])
# The static library of one area. Its headers are included by their path under src/
# ("core/music/pitch.hpp"), so src/ is on its public include path. PUBLIC and PRIVATE list
# what it links against. CORE marks a library free of Qt (the core, the window's and the
# tuner's logic, the CLI's commands, the generators): it also builds free of shadowing and of
# implicit narrowing conversions. Signed indexes are the core's convention, so a sign change
# alone is not flagged (GCC's C++ -Wconversion does not flag it either; clang's would).
function(fretwise_add_library name)
  cmake_parse_arguments(L "CORE" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  add_library(${name} STATIC ${L_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${L_PUBLIC} PRIVATE ${L_PRIVATE})
  if(L_CORE)
    target_compile_options(${name} PRIVATE -Wshadow -Wconversion -Wno-sign-conversion)
  endif()
endfunction()

# fretwise_add_test(NAME [CORE|GUI] SOURCES ... LIBS ...)
# One GoogleTest executable per area; the test support in tests/support is on its include
# path. CORE marks tests that need no Qt; they carry the label "core" and are the ones the
# sanitizer build runs. GUI tests run inside the one Qt application of tests/support.
function(fretwise_add_test name)
  cmake_parse_arguments(T "CORE;GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_GUI)
    target_link_libraries(${name} PRIVATE fretwise_gui_test_main)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  if(T_CORE)
    list(APPEND properties LABELS core)
  endif()
  include(GoogleTest)
  gtest_discover_tests(${name} PROPERTIES ${properties} DISCOVERY_TIMEOUT 60)
endfunction()
