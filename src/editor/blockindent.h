#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace editor {

// Block-tag indentation of an HTML source held as plain text with CR LF line ends.
//
// Block tags, in the order their passes run: P, DIV, BODY, TABLE, TR, SCRIPT, STYLE, FORM, HEAD,
// TD, UL, OL. Names are matched as prefixes, so "<P" also stands for "<PRE" and "<PARAM".
//
// Script elements (see findScriptElements) are taken out before either command works and come back
// byte for byte in their own places. Nothing is ever written into the text as a marker, so a source
// holding "$2$0", control characters or any other character comes back with only its line breaks,
// TABs and blanks changed.

// Puts block tags on lines of their own and indents each line with one TAB per enclosing block
// element, outside script elements:
// - every TAB is removed, except that a run of TABs inside a tag (after a "<" with no ">" since)
//   between two characters other than blanks and line breaks becomes one blank, so that nothing
//   a TAB separated is joined ("<td\tnowrap>" gives "<td nowrap>");
// - a line break goes in front of "<T" and "</T" and after "</T>", where T is a block tag written
//   all in upper or all in lower case ("<Div" gets none), and after the first ">" that follows any
//   "<T" whatever its case;
// - blanks, ideographic spaces, TABs and line breaks in front of "<BR>" or "<br>" are removed, so a
//   line break tag stays at the end of the line it follows;
// - each line gets, per block tag, as many TABs as elements of that tag are open before it (a line
//   that begins, after blanks, with "<T" stands outside its element, one with "</T" at the depth of
//   its opening line; depths below 0 give no TABs), and never more than 32 TABs in all, however
//   many elements are left open;
// - lines made only of blanks, TABs, ideographic spaces, CR and LF are dropped, except the first
//   line, which becomes empty; every other line loses its leading blanks (when it got no TAB) and
//   its trailing blanks.
// The first line is kept even when empty, so a source that starts with a block tag comes back with
// an empty first line. There is no line break after the last line.
// A source without a block tag outside its script elements (plain text, a lone line break, a
// script alone) comes back unchanged, TABs, blanks and blank lines included.
// Gives nothing (the caller changes, colours and scrolls nothing) when the source is empty or made
// only of blanks, and also in the one case where it cannot keep scripts apart from the text: a
// source that holds script elements and every one of the 6,400 private-use characters.
std::optional<QString> indentHtmlSource(QStringView text);

// Removes every TAB outside script elements, but for the runs inside a tag that would join two
// words, which become one blank (as indentHtmlSource does). Line breaks are kept, also those that
// indentation inserted.
QString removeIndentation(QStringView text);

// n TAB characters; empty for n <= 0.
QString makeTabs(qsizetype n);

} // namespace editor
