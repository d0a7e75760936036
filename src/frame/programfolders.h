#pragma once

#include <QString>

// Where the program finds its support files and keeps what it writes. The support files (the
// completion candidates, the help file) are read from the program's own folder. The settings file
// and the working HTML file live there too when that folder is writable; otherwise in the user's
// config and data folders, so that an installed, read-only program still keeps its settings.
struct ProgramFolders
{
    QString program;  // support files
    QString settings; // morvane.ini
    QString work;     // the working HTML file and its settings copy

    // `programFolder` is the executable's folder; `userConfig` and `userData` the per-user folders
    // to fall back on (created when needed).
    static ProgramFolders choose(const QString &programFolder, const QString &userConfig,
                                 const QString &userData);
};

// True when a file can be created in `folder` (tested by creating and removing one).
bool folderIsWritable(const QString &folder);
