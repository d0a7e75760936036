#pragma once

#include <QString>

// The ready-made fragments the source menu inserts. Every fragment but the document type line is
// given wholly in upper case or wholly in lower case, attribute values included.
namespace editor {

// The HTML 4.01 Transitional document type line, CR LF ended; never case-converted.
QString docTypeLine();
// The header block that goes before a source: an <HTML> line unless `source` (any case) holds
// "<html>", a <HEAD> line unless it holds "<head>", the four META lines, <TITLE></TITLE>,
// </HEAD>, an empty line and <BODY> followed by an empty line.
QString headerBlock(const QString &source, bool upper);
// What follows the source after a header: an empty line, </BODY> and </HTML>.
QString headerTail(bool upper);
// A script element whose third line, between "<!--" and "// -->", is empty.
QString scriptBlock(bool upper);
// A style element whose third line, between "<!--" and "-->", is empty.
QString styleBlock(bool upper);

} // namespace editor
