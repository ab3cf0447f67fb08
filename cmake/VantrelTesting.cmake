# vantrel_add_test(NAME name SOURCES ... LIBRARIES ... [LABELS ...])
# One GoogleTest executable per call; every test case becomes a CTest test carrying LABELS.
# Label "threads" marks the suites that the ThreadSanitizer build runs.
function(vantrel_add_test)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBRARIES;LABELS" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main
                                              GTest::gmock)
    include(GoogleTest)
    # Escaped so that several labels stay one property value.
    string(REPLACE ";" "\\;" labels "${ARG_LABELS}")
    gtest_discover_tests(${ARG_NAME}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES LABELS "${labels}"
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
