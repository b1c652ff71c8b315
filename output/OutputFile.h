#pragma once

// What the file writers of the output library share: the output file itself
// (created up front, written with CR LF line ends) and the escaping of names
// in web pages.

#include <fstream>
#include <string>
#include <string_view>

// `text` with & < > " written as HTML character references.
std::string HtmlEscape(std::string_view text);

// The file name part of `path` holds no ".": the extension is empty.
std::string_view FileExtension(std::string_view path);

// An output file, created (or emptied) on construction. Every "\n" given to
// Write goes to the file as CR LF; nothing else is changed.
class cOutputFile
{
public:
    explicit cOutputFile(const std::string& path);

    bool IsOpen() const { return m_file.is_open(); }
    void Write(std::string_view text);
    // Closes the file; false when anything could not be written.
    bool Close();

private:
    std::ofstream m_file;
};
