#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The settings file morvane.ini in a test's folder, written and read as bytes.
inline void writeIniFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    QFile file(dir.filePath(QStringLiteral(u"morvane.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What the file holds; empty when there is none.
inline QByteArray readIniFile(const QTemporaryDir &dir)
{
    QFile file(dir.filePath(QStringLiteral(u"morvane.ini")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
