#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// Text files of the program: written as CP932, read as CP932 or UTF-8 (decodeTextFile), UTF-16 in
// memory. Line ends are kept as they are read and written; toCrLf() makes them CR LF where a
// caller wants that.

// Whose file is read, which decides how its bytes are understood.
enum class TextOrigin {
    // A file the program writes itself (morvane.ini, settings documents, interi.sns): CP932, as it
    // was written, unless it begins with the UTF-8 byte-order mark.
    Program,
    // A file the user chose (a CSV file, a text file, the file of a "[%" marker): UTF-8 when it
    // begins with the byte-order mark, or when the charset detector recognises UTF-8
    // (textdetect::isUtf8) and the bytes are valid UTF-8 throughout; CP932 otherwise, so also
    // wherever the detector cannot tell.
    Chosen,
};

// The text a file's bytes hold, read as `origin` says; a UTF-8 byte-order mark is dropped. Line
// ends unchanged.
QString decodeTextFile(QByteArrayView bytes, TextOrigin origin);

// The whole file decoded by decodeTextFile, line ends unchanged; empty when the file cannot be
// opened or read.
std::optional<QString> readTextFile(const QString &path, TextOrigin origin);

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
