#pragma once

#include <QByteArrayView>
#include <QString>

// Reads the text of an RTF document, as a rich-text box shows it once the file is loaded.
namespace rtf {

// True when the bytes start with "{\rtf", the mark a rich-text box loads as RTF.
bool looksLikeRtf(QByteArrayView bytes);

// The plain text of an RTF document. Paragraph and line ends (\par, \sect, \page, \row, \line)
// become CR LF; \tab and \cell a tab; \'hh bytes are read in the code page of the current font
// (\fcharset 128 is CP932, 0 is Windows-1252, others follow \ansicpg; \cpg wins over \fcharset),
// and \ansicpg itself defaults to CP932; \uN is read as a UTF-16 unit and the \ucN fallback
// characters after it are skipped. Groups that hold no visible text (font, colour and style tables,
// document information, pictures, headers, footers, footnotes, field instructions and every \*
// group) are skipped. A paragraph end standing last in the document is not returned: the box has no
// empty paragraph beyond it, so "a\par}" gives "a" and "a\par\par}" gives "a\r\n". Reading stops
// where the outermost group closes. Malformed input (unbalanced braces, truncated escapes, huge
// numbers, \bin beyond the end) never fails: what can be read is returned. Bytes that are not
// RTF (looksLikeRtf() false) are returned as CP932 text, as the box would show them.
QString toPlainText(QByteArrayView rtf);

} // namespace rtf
