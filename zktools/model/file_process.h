// The parameter file: the drive's NV parameter set as a text file of name = value lines.
#ifndef ZKTOOLS_MODEL_FILE_PROCESS_H
#define ZKTOOLS_MODEL_FILE_PROCESS_H

#include "zktools/model/var_table.h"

#include <string>
#include <string_view>

// Saves the NV parameter set to a file and loads one back into SymTable. Every failure throws
// ModelError carrying the message the user sees (a number that cannot be read throws its
// ConversionError); the file is closed before the exception leaves. GUI thread only.
//
// The object keeps its own copy of the NV set, taken at the start of every save and load and
// kept until the next one; it holds that list rather than being one, so that no caller can
// edit it. Saving and opening through file dialogs sit on top of SaveToFile and LoadFromFile
// and come with the NV editor, beside its file-dialog seam.
class FileProcess {
public:
    FileProcess() = default;
    FileProcess(const FileProcess&) = delete;
    FileProcess& operator=(const FileProcess&) = delete;

    // Factory mode widens the NV set from the 20 user-visible NV parameters to all 21. Off
    // until the main window sets it from the command line.
    void SetFactoryMode(bool on) noexcept { factoryMode_ = on; }
    bool FactoryMode() const noexcept { return factoryMode_; }

    // The NV set of the last save or load; empty before the first.
    const VarTableList& List() const noexcept { return list_; }

    // Writes the header lines and one line per parameter of the NV set; returns the number of
    // parameter lines (20, or 21 in factory mode). The old file at path is replaced only by a
    // complete new one: on failure it stays as it was, and "Can't open file " + path is raised.
    // A file the user may not write is refused; only in a folder that takes no new file is a
    // writable file overwritten in place (replace_file.h).
    int SaveToFile(const std::string& path);

    // Checks the whole file first (that pass changes nothing), then stores its values line by
    // line; returns 1. A failure in the second pass leaves the lines before it stored.
    int LoadFromFile(const std::string& path);

    // True when the line holds only white space, or only white space before a "#".
    static bool IsBlankOrComment(std::string_view line) noexcept;

private:
    void TakeNVSet();

    VarTableList list_;
    bool factoryMode_ = false;
};

// The program's one instance, built before main runs; it touches nothing at construction.
extern FileProcess FileProc;

#endif
