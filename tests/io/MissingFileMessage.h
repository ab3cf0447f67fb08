#pragma once

// What FileStreamReader says for a file that does not exist: it names the open call the
// platform's reader really makes.
inline constexpr const char* missingFileMessage =
#ifdef _WIN32
    "CreateFileA API failed in vantrel::FileStreamReader::FileStreamReader method.";
#else
    "open API failed in vantrel::FileStreamReader::FileStreamReader method.";
#endif
