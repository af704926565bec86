#include "framework/window/internal/ProgramFolders.h"

#include <filesystem>
#include <system_error>

std::string ExecutablePath() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

std::string DataFolderOf(const std::string& executable, const std::string& name) {
    if (executable.empty())
        return std::string();
    const std::filesystem::path folder = std::filesystem::path(executable).parent_path();
    const std::filesystem::path installed = folder.parent_path() / "share" / name;
    std::error_code error;
    if (folder.filename() == "bin" && std::filesystem::is_directory(installed, error))
        return installed.string();
    return folder.string();
}
