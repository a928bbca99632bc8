#pragma once
// Replacing a file in one step: the bytes go to a temporary file beside the
// target, which is renamed over the target only once it is complete, so an
// interrupted or failed write never leaves a truncated file behind.
#include <cstdint>
#include <filesystem>
#include <span>

namespace vyn::tools {

// Writes the bytes as the file at path (mode 0644), replacing any file there.
// Throws std::runtime_error naming the path and the cause; the previous file,
// if any, is then left as it was and no temporary file remains.
void WriteFileAtomically(const std::filesystem::path& path,
                         std::span<const std::uint8_t> bytes);

}  // namespace vyn::tools
