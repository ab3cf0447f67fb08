#include <vantrel/sound/xaudio2/ComInitializer.h>

#include <objbase.h>

#include <vantrel/base/Exception.h>

namespace vantrel {

ComInitializer::ComInitializer()
{
    HRESULT result = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(result)) {
        throw ComException(format("CoInitializeEx API failed in %s method.", "vantrel::ComInitializer::ComInitializer"),
                           result);
    }
}

ComInitializer::~ComInitializer()
{
    CoUninitialize();
}

} // namespace vantrel
