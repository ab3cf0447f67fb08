#pragma once

// Font: the GDI rasteriser on Windows, FreeType elsewhere; CMake chooses the back end.
#if defined(VANTREL_TEXT_GDI)
#include <vantrel/text/gdi/Font.h>
#else
#include <vantrel/text/freetype/Font.h>
#endif
