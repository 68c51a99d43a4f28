#pragma once

#include <string>

namespace platform {

// What became of a file-system operation: success, or the errno that stopped it.
class [[nodiscard]] FileStatus {
public:
    FileStatus() = default;
    explicit FileStatus(int error) : m_error(error) {}
    static FileStatus fromErrno();

    bool ok() const { return m_error == 0; }
    int error() const { return m_error; }

    // Why it failed, in GBK, for a window to show ("找不到该文件或文件夹").
    std::string reason() const;

private:
    int m_error = 0;
};

}  // namespace platform
