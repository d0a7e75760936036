#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// Text files of the program: written as CP932, read as CP932 or UTF-8 (decodeTextFile), UTF-16 in
// memory. Line ends are kept as they are read and written; toCrLf() makes them CR LF where a
// caller wants that.

// The text a file's bytes hold. UTF-8, without its byte-order mark, when the bytes begin with the
// UTF-8 byte-order mark (EF BB BF), or when they are valid UTF-8 (no overlong form, no surrogate,
// nothing beyond U+10FFFF) and hold at least one multi-byte sequence; CP932 (cp932::decode)
// otherwise, so a file of ASCII alone or one that is not valid UTF-8 reads as it always did. Line
// ends unchanged.
QString decodeTextFile(QByteArrayView bytes);

// The whole file decoded by decodeTextFile, line ends unchanged; empty when the file cannot be
// opened or read.
std::optional<QString> readTextFile(const QString &path);

// Writes `text` as CP932. Characters CP932 cannot hold are written as '?' and, when `unmappable` is
// given, listed there (each distinct character once, in order of first appearance; empty when all
// could be written), also when the write then fails. The bytes go to a temporary file in the same
// folder, which replaces the file only once it is complete, so a failure or crash leaves either the
// old file or the new one, never a part. Returns false on any failure (folder not writable, disk
// full, ...), and the old file is then unchanged.
bool writeTextFile(const QString &path, const QString &text, QString *unmappable = nullptr);

// Writes bytes already encoded, in the same way: the file is replaced whole or left as it was.
bool writeFileBytes(const QString &path, QByteArrayView bytes);

// The text with every lone LF and every lone CR turned into CR LF; CR LF stays as it is.
QString toCrLf(const QString &text);
