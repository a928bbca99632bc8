#pragma once
// Saving a file so that it is either the old file whole or the new one
// whole: the bytes go to a temporary file beside it, are flushed to the
// disk, and the temporary file is renamed over the old one.
#include <string>
#include <string_view>

namespace vyn {

// Replaces (or creates) the file `path` with `bytes`. An existing file keeps
// its permissions; a symbolic link is followed and its target replaced.
// Throws ESettingsFileError naming `path` and the reason when any step
// fails; the old file is then untouched and no temporary file is left.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace vyn
