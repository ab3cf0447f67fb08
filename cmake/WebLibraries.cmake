# The browser build: Emscripten, with zlib, libpng and FreeType built for WebAssembly by
# tools/web/build-deps.sh into VANTREL_WEB_DEPS/{threads,single}.
option(VANTREL_WEB_THREADS "Build the page's threaded program (pthreads over SharedArrayBuffer)" ON)
set(VANTREL_WEB_DEPS "" CACHE PATH "Where tools/web/build-deps.sh put the WebAssembly libraries")

if(VANTREL_WEB_THREADS)
    set(web_flavour threads)
    add_compile_options(-pthread)
    add_link_options(-pthread)
else()
    set(web_flavour single)
endif()
# Exceptions are the engine's error path; the kernels' vector level is WebAssembly SIMD.
add_compile_options(-fexceptions -msimd128)
add_link_options(-fexceptions -msimd128)

set(web_deps ${VANTREL_WEB_DEPS}/${web_flavour})
foreach(library ZLIB PNG FreeType)
    add_library(Vantrel::${library} STATIC IMPORTED GLOBAL)
endforeach()
set_target_properties(Vantrel::ZLIB PROPERTIES IMPORTED_LOCATION ${web_deps}/lib/libz.a
    INTERFACE_INCLUDE_DIRECTORIES ${web_deps}/include)
set_target_properties(Vantrel::PNG PROPERTIES IMPORTED_LOCATION ${web_deps}/lib/libpng16.a
    INTERFACE_INCLUDE_DIRECTORIES ${web_deps}/include INTERFACE_LINK_LIBRARIES Vantrel::ZLIB)
set_target_properties(Vantrel::FreeType PROPERTIES IMPORTED_LOCATION ${web_deps}/lib/libfreetype.a
    INTERFACE_INCLUDE_DIRECTORIES ${web_deps}/include/freetype2
    INTERFACE_LINK_LIBRARIES Vantrel::PNG)
