#pragma once
#include <string>

#include "persist/FileTexts.h"
#include "stream/SerializerFactory.h"

class Quillory;

// Paths are in UTF-8 and name the file as given (double quotes included).
namespace Qlx
{
    // The tool holds texts in UTF-8 and names the legacy code page of the files.
    WinFile::CodePages toolCodePages(unsigned legacy);

    // Loads a Study List exactly as the program opens one, and tells what its
    // texts are written in; fails with the text the program's error box shows
    // after the path ("Unexpected end of file").
    WinFile::FileTexts loadStudyList(const std::string& path, Quillory& doc, const WinFile::CodePages& pages);
    // Saves as the program does: a failed save leaves an existing file as it was.
    // Fails with the failure's text.
    void saveStudyList(Quillory& doc, const std::string& path, const WinFile::CodePages& pages,
                       const WinFile::SerializerFactory& files = WinFile::diskFiles());
    // The whole content of a file, or of standard input for "-".
    std::string readInput(const std::string& path);
}
