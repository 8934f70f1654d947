#pragma once
// Pages from a file that is opened for each read and closed again, so the
// view holds no handle on the file between reads.
#include <optional>
#include <string>

#include "PageSource.h"

class FilePageSource : public IPageSource {
public:
    explicit FilePageSource(std::string path) : m_path(std::move(path)) {}
    size_t Read(uint64_t offset, uint8_t* buffer, size_t length) override;
    const std::string& Path() const { return m_path; }
    void SetPath(std::string path) { m_path = std::move(path); }

    // The size of a file, or nothing when it cannot be opened for reading.
    static std::optional<uint64_t> FileSize(const std::string& path);

private:
    std::string m_path;
};
