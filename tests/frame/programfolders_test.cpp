// Where settings and the working file go: the program folder when writable, else the user's own.

#include "frame/programfolders.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(ProgramFolders, WritableProgramFolderKeepsEverything)
{
    QTemporaryDir dir;
    const ProgramFolders f = ProgramFolders::choose(dir.path(), dir.filePath(QStringLiteral(u"c")),
                                                    dir.filePath(QStringLiteral(u"d")));
    EXPECT_EQ(f.settings, dir.path());
    EXPECT_EQ(f.work, dir.path());
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral(u"c"))).exists());
}

TEST(ProgramFolders, MissingOrReadOnlyProgramFolderFallsBack)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral(u"no-such"));
    const ProgramFolders f = ProgramFolders::choose(missing, dir.filePath(QStringLiteral(u"cfg/m")),
                                                    dir.filePath(QStringLiteral(u"data/m")));
    EXPECT_EQ(f.program, missing);
    EXPECT_EQ(f.settings, dir.filePath(QStringLiteral(u"cfg/m")));
    EXPECT_TRUE(QDir(f.settings).exists());
    EXPECT_TRUE(QDir(f.work).exists());
    if (geteuid() != 0) { // root writes anywhere; the fallback for a read-only folder needs a user
        const QString ro = dir.filePath(QStringLiteral(u"ro"));
        QDir().mkpath(ro);
        chmod(ro.toLocal8Bit().constData(), 0555);
        EXPECT_FALSE(folderIsWritable(ro));
        chmod(ro.toLocal8Bit().constData(), 0755);
    }
}

} // namespace
