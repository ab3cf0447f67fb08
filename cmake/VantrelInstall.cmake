# Installing the library: headers, two static archives, the CMake package and the
# pkg-config files, and the two programs with their data. Linux only: the Windows program
# is shipped as vantrel.exe beside its data, not as a library.
include(CMakePackageConfigHelpers)
include(${PROJECT_SOURCE_DIR}/cmake/VantrelPublicHeaders.cmake)

# The in-tree libraries each archive is made of, in link order.
set(VANTREL_ENGINE_PARTS
    vantrel_sound vantrel_io vantrel_text vantrel_screen vantrel_sprite vantrel_image vantrel_base)
# The window host and the shell code and window back end it is made of.
set(VANTREL_SHELL_PARTS)
if(TARGET vantrel_shell)
    foreach(part vantrel_shell vantrel_app_core vantrel_screen_sdl)
        if(TARGET ${part})
            list(APPEND VANTREL_SHELL_PARTS ${part})
        endif()
    endforeach()
endif()

# The engine's back ends, found the same way again by VantrelConfig.cmake.
find_package(PNG REQUIRED)
find_package(Freetype REQUIRED)
find_package(Fontconfig REQUIRED)
find_package(SDL2 REQUIRED)
find_package(X11 REQUIRED)

# One archive per exported target, made of the parts' object files: a user links one
# library and never minds the order of seven.
function(vantrel_add_archive name)
    cmake_parse_arguments(ARG "" "OUTPUT_NAME;EXPORT_NAME" "PARTS;LINKS" ${ARGN})
    add_library(${name} STATIC)
    foreach(part IN LISTS ARG_PARTS)
        target_sources(${name} PRIVATE $<TARGET_OBJECTS:${part}>)
    endforeach()
    set_target_properties(${name} PROPERTIES
        OUTPUT_NAME ${ARG_OUTPUT_NAME} EXPORT_NAME ${ARG_EXPORT_NAME} LINKER_LANGUAGE CXX)
    target_include_directories(${name} INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
    target_compile_features(${name} INTERFACE cxx_std_20)
    target_link_libraries(${name} PRIVATE ${ARG_LINKS})
    install(TARGETS ${name} EXPORT VantrelTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
endfunction()

vantrel_add_archive(vantrel_engine_archive OUTPUT_NAME vantrel EXPORT_NAME vantrel
    PARTS ${VANTREL_ENGINE_PARTS}
    LINKS Threads::Threads PNG::PNG Freetype::Freetype Fontconfig::Fontconfig SDL2::SDL2)

set(VANTREL_SHELL_PC_LIBS "-ldl")
if(VANTREL_SHELL_PARTS)
    vantrel_add_archive(vantrel_shell_archive OUTPUT_NAME vantrel-shell EXPORT_NAME shell
        PARTS ${VANTREL_SHELL_PARTS}
        LINKS vantrel_engine_archive SDL2::SDL2 X11::X11 ${CMAKE_DL_LIBS})
endif()

# Headers.
foreach(header IN LISTS VANTREL_PUBLIC_HEADERS)
    get_filename_component(dir ${header} DIRECTORY)
    install(FILES ${PROJECT_SOURCE_DIR}/engine/${header}
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vantrel/${dir} COMPONENT development)
endforeach()
foreach(header IN LISTS VANTREL_SHELL_HEADERS)
    get_filename_component(dir ${header} DIRECTORY)
    install(FILES ${PROJECT_SOURCE_DIR}/app/${header}
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vantrel/shell/${dir} COMPONENT development)
endforeach()
install(FILES ${VANTREL_INCLUDE_DIR}/vantrel/version.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vantrel COMPONENT development)

# find_package(Vantrel 0.3): any 0.3.x answers.
set(config_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Vantrel)
set(VANTREL_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/vantrel)
install(EXPORT VantrelTargets NAMESPACE Vantrel:: DESTINATION ${config_dir} COMPONENT development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VantrelConfig.cmake.in
    ${PROJECT_BINARY_DIR}/VantrelConfig.cmake INSTALL_DESTINATION ${config_dir}
    PATH_VARS VANTREL_INSTALL_DATA_DIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VantrelConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VantrelConfig.cmake ${PROJECT_BINARY_DIR}/VantrelConfigVersion.cmake
    DESTINATION ${config_dir} COMPONENT development)

# pkg-config: relocatable, the prefix found from the .pc file's own folder.
file(RELATIVE_PATH VANTREL_PC_PREFIX ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" VANTREL_PC_PREFIX "${VANTREL_PC_PREFIX}")
set(pc_files vantrel)
if(VANTREL_SHELL_PARTS)
    list(APPEND pc_files vantrel-shell)
endif()
foreach(pc IN LISTS pc_files)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/${pc}.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)
endforeach()

# The programs; they read their data files from the current folder (README: run them from
# share/vantrel).
foreach(program vantrel vantrel-bench)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)
    endif()
endforeach()

# `make docs`: the reference of exactly what is installed.
find_program(DOXYGEN_EXECUTABLE doxygen)
if(DOXYGEN_EXECUTABLE)
    set(doc_input ${VANTREL_INCLUDE_DIR}/vantrel/version.h)
    foreach(header IN LISTS VANTREL_PUBLIC_HEADERS)
        list(APPEND doc_input ${PROJECT_SOURCE_DIR}/engine/${header})
    endforeach()
    foreach(header IN LISTS VANTREL_SHELL_HEADERS)
        list(APPEND doc_input ${PROJECT_SOURCE_DIR}/app/${header})
    endforeach()
    list(JOIN doc_input " \\\n    " VANTREL_DOC_INPUT)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/Doxyfile.in ${PROJECT_BINARY_DIR}/Doxyfile @ONLY)
    add_custom_target(docs
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${PROJECT_BINARY_DIR}/docs
        COMMAND ${DOXYGEN_EXECUTABLE} ${PROJECT_BINARY_DIR}/Doxyfile
        WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
        COMMENT "Doxygen: the API reference in ${PROJECT_BINARY_DIR}/docs/html"
        VERBATIM)
endif()
