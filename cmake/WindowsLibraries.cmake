# The libraries of the Windows build: zlib from the mingw-w64 packages, libpng cross-built
# by tools/windows/build-libpng.sh, GoogleTest built here from Debian's sources.
set(VANTREL_WINDOWS_PNG_DIR ${PROJECT_BINARY_DIR}/libpng CACHE PATH
    "Where tools/windows/build-libpng.sh put the static libpng")
if(NOT EXISTS ${VANTREL_WINDOWS_PNG_DIR}/lib/libpng16.a)
    message(FATAL_ERROR "No libpng in ${VANTREL_WINDOWS_PNG_DIR}: run tools/windows/build-libpng.sh first")
endif()

set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)
add_library(Vantrel::PNG STATIC IMPORTED)
set_target_properties(Vantrel::PNG PROPERTIES
    IMPORTED_LOCATION ${VANTREL_WINDOWS_PNG_DIR}/lib/libpng16.a
    INTERFACE_INCLUDE_DIRECTORIES ${VANTREL_WINDOWS_PNG_DIR}/include
    INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)

if(VANTREL_BUILD_TESTS)
    set(VANTREL_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(${VANTREL_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
