#include <vantrel/base/FailureText.h>

#include <vantrel/base/Exception.h>

namespace vantrel {

std::string failureText(const std::exception& failure)
{
    std::string text = failure.what();
    if (const auto* open = dynamic_cast<const FileOpenException*>(&failure)) {
        text += std::string("\n") + open->getFileName();
        if (*open->getFolder() != '\0') {
            text += std::string(", looked for in ") + open->getFolder();
        }
    }
    return text;
}

} // namespace vantrel
