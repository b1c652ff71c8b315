#include "model/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

std::string ProgramDirectory()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return ".";
    }
    return self.parent_path().string();
}
