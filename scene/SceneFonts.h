#pragma once

// The read-outs' face (UTF-8); the text engine's face aliases resolve it.
inline constexpr const char* readoutFaceName = "ＭＳ Ｐゴシック";
