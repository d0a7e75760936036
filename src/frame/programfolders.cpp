#include "frame/programfolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

bool folderIsWritable(const QString &folder)
{
    if (folder.isEmpty() || !QDir(folder).exists())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(u".morvane-probe-XXXXXX")));
    return probe.open();
}

ProgramFolders ProgramFolders::choose(const QString &programFolder, const QString &userConfig,
                                      const QString &userData)
{
    ProgramFolders folders{programFolder, programFolder, programFolder};
    if (folderIsWritable(programFolder))
        return folders;
    QDir().mkpath(userConfig);
    QDir().mkpath(userData);
    folders.settings = userConfig;
    folders.work = userData;
    return folders;
}
