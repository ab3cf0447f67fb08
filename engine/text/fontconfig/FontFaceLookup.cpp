#include <vantrel/text/FontFaceLookup.h>

#include <fontconfig/fontconfig.h>

#include <cerrno>
#include <memory>
#include <mutex>

#include <vantrel/base/Exception.h>
#include <vantrel/text/fontconfig/FontFaceAliases.h>

namespace vantrel {

namespace {

constexpr const char* method = "vantrel::Font::Font";

[[noreturn]] void fail(const char* messageFormat, std::uint32_t code)
{
    auto message = format(messageFormat, method);
    throw Win32Exception(message, code);
}

[[noreturn]] void failWithErrno(const char* messageFormat)
{
    auto message = format(messageFormat, method);
    throw Win32Exception(message, static_cast<std::uint32_t>(errno));
}

// The system configuration with our aliases on top, loaded once per process. It is
// private to the engine, so fontconfig's current configuration stays untouched.
class AliasedConfiguration {
public:
    AliasedConfiguration()
    {
        config = FcInitLoadConfigAndFonts();
        if (config == nullptr) {
            failWithErrno("FcInitLoadConfigAndFonts API failed in %s method.");
        }
        auto rules = reinterpret_cast<const FcChar8*>(fontFaceAliases);
        if (!FcConfigParseAndLoadFromMemory(config, rules, FcTrue)) {
            auto message = format("FcConfigParseAndLoadFromMemory API failed in %s method.", method);
            auto code = static_cast<std::uint32_t>(errno);
            FcConfigDestroy(config);
            throw Win32Exception(message, code);
        }
    }
    ~AliasedConfiguration() { FcConfigDestroy(config); }
    AliasedConfiguration(const AliasedConfiguration&) = delete;
    AliasedConfiguration& operator=(const AliasedConfiguration&) = delete;

    FcConfig* config = nullptr;
    std::mutex lock; // fontconfig calls on one configuration, one thread at a time
};

AliasedConfiguration& aliasedConfiguration()
{
    // A throwing initialisation is retried by the next caller.
    static AliasedConfiguration instance;
    return instance;
}

using Pattern = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;

Pattern makeRequest(const char* faceName, bool bold, bool italic)
{
    Pattern request(FcPatternCreate(), &FcPatternDestroy);
    if (!request) {
        failWithErrno("FcPatternCreate API failed in %s method.");
    }
    bool added = true;
    if (faceName != nullptr && faceName[0] != '\0') {
        added = FcPatternAddString(request.get(), FC_FAMILY,
                                   reinterpret_cast<const FcChar8*>(faceName));
    }
    added = added &&
            FcPatternAddInteger(request.get(), FC_WEIGHT,
                                bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR) &&
            FcPatternAddInteger(request.get(), FC_SLANT,
                                italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN) &&
            FcPatternAddBool(request.get(), FC_OUTLINE, FcTrue);
    if (!added) {
        failWithErrno("FcPatternAdd API failed in %s method.");
    }
    return request;
}

} // namespace

FontFace findFontFace(const char* faceName, bool bold, bool italic)
{
    AliasedConfiguration& shared = aliasedConfiguration();
    Pattern request = makeRequest(faceName, bold, italic);

    std::lock_guard<std::mutex> guard(shared.lock);
    if (!FcConfigSubstitute(shared.config, request.get(), FcMatchPattern)) {
        failWithErrno("FcConfigSubstitute API failed in %s method.");
    }
    FcDefaultSubstitute(request.get());
    FcResult result = FcResultNoMatch;
    Pattern match(FcFontMatch(shared.config, request.get(), &result), &FcPatternDestroy);
    if (!match) {
        fail("FcFontMatch API failed in %s method.", static_cast<std::uint32_t>(result));
    }

    FontFace face;
    FcChar8* text = nullptr;
    result = FcPatternGetString(match.get(), FC_FILE, 0, &text);
    if (result != FcResultMatch) {
        fail("FcPatternGetString API failed in %s method.", static_cast<std::uint32_t>(result));
    }
    face.file = reinterpret_cast<const char*>(text);
    if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &face.index) != FcResultMatch) {
        face.index = 0;
    }
    if (FcPatternGetString(match.get(), FC_FAMILY, 0, &text) == FcResultMatch) {
        face.family = reinterpret_cast<const char*>(text);
    }
    return face;
}

} // namespace vantrel
