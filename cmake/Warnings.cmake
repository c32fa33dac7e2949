# Every target of ours builds with the full warning set. Our own builds (scripts/build.sh, the
# presets, CI) also turn ZENTYRA_WERROR on, so a warning stops them; a packager's plain
# `cmake -DCMAKE_BUILD_TYPE=Release` build leaves it off, so a newer compiler's new warning
# (or GCC 12's false -Wrestrict inside std::string at -O3) never stops it. Third-party headers
# are included as system headers by their imported targets, so they do not trip these.
option(ZENTYRA_WERROR "Treat compiler warnings as errors (on in our development builds and CI)" OFF)

function(zentyra_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(ZENTYRA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A library target for one layer: the .cpp files of its folder, headers found through src/.
function(zentyra_layer name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    add_library(zentyra_${name} INTERFACE)
    add_library(zentyra::${name} ALIAS zentyra_${name})
    target_include_directories(zentyra_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(zentyra_${name} INTERFACE ${ARG_DEPENDS})
    return()
  endif()
  add_library(zentyra_${name} STATIC ${sources})
  add_library(zentyra::${name} ALIAS zentyra_${name})
  target_include_directories(zentyra_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(zentyra_${name} PUBLIC ${ARG_DEPENDS})
  zentyra_warnings(zentyra_${name})
endfunction()

# One GoogleTest executable per area (the .cpp files of its folder), registered with CTest.
function(zentyra_test name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    ZENTYRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ZENTYRA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  zentyra_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
