#pragma once

#include <string>

namespace testing_support {

// A fresh folder under the system's temporary folder, removed with its
// files at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// Removes a folder and everything below it, whatever the files' attributes.
void RemoveTree(const std::wstring& path);

// Makes the folder the current directory for the scope.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::wstring& path);
    ~CurrentDirectory();

private:
    std::wstring previous_;
};

}  // namespace testing_support
