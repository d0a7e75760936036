#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>

// Golden cases of one feature: tests/data/<feature>/<case>/ with an input and expected outputs, all
// UTF-8 with the line ends they are to be compared with. Setting MORVANE_WRITE_GOLDEN writes the
// actual results as the expected files instead of comparing (review them before committing).
namespace golden {

inline QString dataDir(const char *feature)
{
    return QString::fromUtf8(MORVANE_TEST_DATA "/") + QString::fromUtf8(feature);
}

inline std::vector<std::string> cases(const char *feature)
{
    std::vector<std::string> names;
    const QStringList dirs =
        QDir(dataDir(feature)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &d : dirs)
        names.push_back(d.toStdString());
    return names;
}

inline QString read(const char *feature, const std::string &name, const char *file)
{
    QFile f(dataDir(feature) + u'/' + QString::fromStdString(name) + u'/' +
            QString::fromUtf8(file));
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "missing golden file " << f.fileName().toStdString();
        return {};
    }
    return QString::fromUtf8(f.readAll());
}

inline bool writing()
{
    return qEnvironmentVariableIsSet("MORVANE_WRITE_GOLDEN");
}

// Compares `actual` with the expected file byte for byte (or writes it when regenerating).
inline void expectFile(const char *feature, const std::string &name, const char *file,
                       const QString &actual)
{
    const QString path =
        dataDir(feature) + u'/' + QString::fromStdString(name) + u'/' + QString::fromUtf8(file);
    if (writing()) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(actual.toUtf8());
        return;
    }
    EXPECT_EQ(read(feature, name, file).toUtf8().toStdString(), actual.toUtf8().toStdString())
        << "golden file " << path.toStdString();
}

inline std::string caseName(const testing::TestParamInfo<std::string> &info)
{
    std::string s = info.param;
    for (char &c : s) {
        if (!isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return s;
}

} // namespace golden
