find_package(GTest REQUIRED)
include(GoogleTest)

# tavro_add_gtest(<name> SOURCES <files...> [LIBS <targets...>])
function(tavro_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES)
endfunction()

# tavro_add_qtest(<name> SOURCES <files...> [LIBS <targets...>])
# QtTest suites run headless, at a scale of 1 so that pixels map to widget points.
function(tavro_add_qtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=1;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/runtime")
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/runtime)
    # Qt warns about a runtime folder that others can read.
    file(CHMOD ${CMAKE_BINARY_DIR}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endfunction()

# tavro_test_uses_skin(<name>): the test reads the generated skin, TAVRO_SKIN_DIR.
function(tavro_test_uses_skin name)
    target_compile_definitions(${name} PRIVATE TAVRO_SKIN_DIR="${TAVRO_SKIN_DIR}")
    add_dependencies(${name} tavro_skin)
endfunction()
