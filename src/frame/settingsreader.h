#pragma once

#include <QString>
#include <vector>

// Reading a settings document. The reader ignores line ends: the file's lines are joined with
// nothing between them, and a value runs from behind its key up to the next "<", where the next key
// begins. Nothing here touches a window: the main window applies what is read. The escapes of the
// values and the cell data are here, both ways, so that writer and reader share them.

// The document's text without its line ends (every CR and LF removed), as the reader sees it.
QString joinSettingsLines(const QString &text);

// What a key holds in a joined document.
struct TagValue
{
    enum Status { Missing, Found, Damaged };
    Status status = Missing;
    QString value;
};

// The value behind the first occurrence of `key` (keys compare exactly, case-sensitive): the text
// from behind the key up to, not including, the next "<". Missing when the key does not occur;
// Damaged, with an empty value, when no "<" follows it or a ">" comes before that "<" (a value the
// writer cannot have written).
TagValue GetTagValue(const QString &text, const QString &key);

// One per-cell record, "<key>row:column:value"; the value is everything behind the second ":".
struct CellRecord
{
    int row = 0;
    int column = 0;
    QString value;
};

struct CellRecords
{
    std::vector<CellRecord> records;
    // Records skipped as damaged: not delimited like a value, fewer than two ":", or a row or
    // column that is not a whole number.
    int damaged = 0;
};

// Every record of one per-cell key, in the order of the document. A damaged record is counted and
// skipped; the records after it are still read. Row and column may be negative or beyond any grid:
// the caller checks them against the grid it stores into.
CellRecords readCellRecords(const QString &text, const QString &key);

// Undoes the escapes of a document without an "<escape>" line (the cell data) or with
// "<escape>1" (the values too): "\0\" becomes "<", then "\1\" becomes ">", and with `lineEnds`
// (the cell data) "\3\" becomes CR LF. Each replacement runs over the result of the one before, so
// a text that held such sequences itself does not come back as it was; the writer then uses the
// escapes of "<escape>2".
QString unescapeSettingsValue(const QString &value, bool lineEnds);

// The escapes of a document with "<escape>2", in its values and its cell data alike: "\" is
// written "\2\", "<" "\0\", ">" "\1\", CR LF "\3\", and a lone LF "\4\" and a lone CR "\5\".
// The result holds no "<", ">", CR or LF, and no "\" but in these six sequences, so
// unescapeSettingsText gives back exactly the text, whatever it holds.
QString escapeSettingsText(const QString &text);

// Appends `text` escaped in one pass: "<", ">" and CR LF as every document's cell data has them
// ("\0\", "\1\", "\3\"), and with `backslashes` "\", lone LF and lone CR too, as
// escapeSettingsText does.
void appendEscapedSettingsText(QString &out, QStringView text, bool backslashes);

// Undoes escapeSettingsText in one pass from the left; a "\" that begins none of the six sequences
// stays as it is.
QString unescapeSettingsText(const QString &text);
