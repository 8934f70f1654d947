// Small fixtures shared by the dovari tests.
#pragma once

#include <string>
#include <string_view>

#include "TempFolder.h"  // the tests' temporary folder

namespace dovari_test {

void WriteFile(const std::string& path, std::string_view content);
std::string ReadFile(const std::string& path); // empty when missing
bool IsFile(const std::string& path);
bool IsFolder(const std::string& path);
void MakeFolder(const std::string& path);

// Removes a tree without the library under test.
void RemoveTree(const std::string& path);

// The folder the test program lives in, without a trailing '\'.
std::string ProgramFolder();
std::string ProgramPath();

// The text with every '\' turned into '/', as the network copy prints paths.
std::string Slashed(std::string text);

// The text in double quotes, as a command line needs a path with spaces.
std::string Quoted(const std::string& text);

// Everything written to the CRT's standard output (ours and the DLL's: both
// use msvcrt) between construction and Text().
class StdoutCapture {
public:
    StdoutCapture();
    ~StdoutCapture();
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    // Ends the capture and answers what arrived.
    std::string Text();

private:
    void Stop();

    std::string file_;
    int saved_ = -1;
};

// Makes a folder the current one for a scope.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder);
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::string previous_;
};

} // namespace dovari_test
