#pragma once

#include <exception>
#include <string>

namespace vantrel {

/// What the user is shown for a failure: its text and, for a file that could not be opened,
/// a second line with the file and the folder it was looked for in. The same on every
/// platform, in a message box and on a terminal.
std::string failureText(const std::exception& failure);

} // namespace vantrel
