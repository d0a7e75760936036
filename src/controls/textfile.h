#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Text files of the program: CP932 on disk, UTF-16 in memory. Line ends are kept as they are
// read and written; toCrLf() makes them CR LF where a caller wants that.

// The whole file decoded as CP932 (cp932::decode), line ends unchanged; empty when the file cannot
// be opened or read.
std::optional<QString> readTextFile(const QString &path);

// Writes `text` as CP932. Characters CP932 cannot hold are written as '?' and, when `unmappable` is
// given, listed there (each distinct character once, in order of first appearance; empty when all
// could be written), also when the write then fails. The bytes go to a temporary file in the same
// folder, which replaces the file only once it is complete, so a failure or crash leaves either the
// old file or the new one, never a part. Returns false on any failure (folder not writable, disk
// full, ...), and the old file is then unchanged.
bool writeTextFile(const QString &path, const QString &text, QString *unmappable = nullptr);

// The text with every lone LF and every lone CR turned into CR LF; CR LF stays as it is.
QString toCrLf(const QString &text);
