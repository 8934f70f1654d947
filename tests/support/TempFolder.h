#pragma once
// A fresh folder under the temporary folder, removed with its files.
#include <windows.h>

#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }
    void Write(const std::string& name, const std::string& content) const;
    std::string Read(const std::string& name) const;

private:
    std::string m_path;
};

// The plain files directly in folder (not its subfolders).
int CountFiles(const std::string& folder);
