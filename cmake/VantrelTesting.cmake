# vantrel_add_test(NAME name SOURCES ... LIBRARIES ... [LABELS ...])
# One GoogleTest executable per call; every test case becomes a CTest test carrying LABELS.
# Label "threads" marks the suites that the ThreadSanitizer build runs.
function(vantrel_add_test)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBRARIES;LABELS" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main
                                              GTest::gmock)
    include(GoogleTest)
    gtest_discover_tests(${ARG_NAME}
        DISCOVERY_MODE PRE_TEST
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    # Labels go on in a file read after the discovered tests: gtest_discover_tests passes its
    # PROPERTIES on unescaped, so a test would keep only the first of several labels.
    if(ARG_LABELS)
        set(labels_file ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}_labels.cmake)
        file(WRITE ${labels_file}
             "set_tests_properties(\${${ARG_NAME}_TESTS} PROPERTIES LABELS \"${ARG_LABELS}\")\n")
        set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${labels_file})
    endif()
endfunction()
