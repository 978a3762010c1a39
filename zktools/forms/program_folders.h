// Where the tool keeps its files: the program's folder and the parameter-file
// folder "zkc" beside the program.
#ifndef ZKTOOLS_FORMS_PROGRAM_FOLDERS_H
#define ZKTOOLS_FORMS_PROGRAM_FOLDERS_H

#include <QString>

struct ProgramFolders {
    QString appDir;   // the program's folder, ending in "/"
    QString paramDir; // the parameter-file folder, ending in "/"
};

// appDir is `programDir` with a trailing separator. The folder "zkc" is created
// there (an existing one is no error); when that fails, as for a program
// installed where its user may not write, paramDir is "zkc" in the per-user data
// folder instead, created as well. Nothing is reported.
ProgramFolders PrepareProgramFolders(const QString& programDir);

#endif
