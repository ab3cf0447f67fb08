#include "app/Utf8.h"

namespace vantrel {

namespace {

constexpr char32_t replacement = 0xFFFD;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::u32string decodeUtf8(std::string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        std::size_t length;
        char32_t code;
        char32_t minimum;
        if (lead < 0x80) {
            result.push_back(lead);
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
            minimum = 0x10000;
        } else {
            result.push_back(replacement);
            ++i;
            continue;
        }
        if (text.size() - i < length) {
            result.push_back(replacement);
            ++i;
            continue;
        }
        bool valid = true;
        for (std::size_t k = 1; k < length; ++k) {
            unsigned char byte = static_cast<unsigned char>(text[i + k]);
            if (!isContinuation(byte)) {
                valid = false;
                break;
            }
            code = code << 6 | (byte & 0x3F);
        }
        if (!valid || code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            result.push_back(replacement);
            ++i;
            continue;
        }
        result.push_back(code);
        i += length;
    }
    return result;
}

} // namespace vantrel
