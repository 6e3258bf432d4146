# Helpers shared by the per-area CMakeLists.

# Adds the subdirectories of DIR named in the list, skipping those that do not exist yet.
function(fretwise_add_areas)
  foreach(area IN LISTS ARGN)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/CMakeLists.txt)
      add_subdirectory(${area})
    endif()
  endforeach()
endfunction()

# fretwise_add_test(NAME SOURCES ... LIBS ... [CORE])
# One GoogleTest executable per area. CORE marks tests that need no Qt; they carry the
# label "core" and are the ones the sanitizer build runs.
function(fretwise_add_test name)
  cmake_parse_arguments(T "CORE" "" "SOURCES;LIBS" ${ARGN})
  find_package(GTest REQUIRED)
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  if(T_CORE)
    list(APPEND properties LABELS core)
  endif()
  include(GoogleTest)
  gtest_discover_tests(${name} PROPERTIES ${properties} DISCOVERY_TIMEOUT 60)
endfunction()
