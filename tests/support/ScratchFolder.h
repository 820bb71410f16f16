#pragma once
// A fresh folder under the system's temporary folder, removed with its
// contents when the test ends; its path ends with '/' like the program folder.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace dvx::test {

class ScratchFolder final {
public:
    ScratchFolder() {
        static std::atomic<int> serial{0};
        path_ = std::filesystem::temp_directory_path() /
                ("dvx-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder, ending with '/'.
    std::string folder() const { return path_.string() + "/"; }
    std::string file(std::string_view name) const { return folder() + std::string(name); }

    // Writes bytes to name (creating its folders) and returns its path.
    std::string write(std::string_view name, std::string_view bytes) const {
        const auto target = path_ / std::string(name);
        std::filesystem::create_directories(target.parent_path());
        std::ofstream(target, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return target.string();
    }
    std::string read(std::string_view name) const {
        std::ifstream in(path_ / std::string(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path path_;
};

} // namespace dvx::test
