#pragma once

// Whole-file reading and the safe replacement of a file.

#include <optional>
#include <string>
#include <string_view>

// The bytes of the file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes `bytes` to a temporary file in the folder of `path`, flushes it to
// the disk and renames it over `path`. On any failure the temporary file is
// removed, the old file is left as it was, and false is returned. The new
// file keeps the replaced file's rights (and its owner and group where the
// saver may give them); a new file gets 0666 less the umask, which is never
// changed, not even for a moment.
bool ReplaceFile(const std::string& path, std::string_view bytes);
