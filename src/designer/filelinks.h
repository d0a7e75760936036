#pragma once

#include <QString>
#include <QStringView>

// Links and text-file markers made from a file the user chose. A file's name may hold any
// character; what these give can never end the attribute, the tag or the marker it stands in, nor
// split the cell it stands in, and still names the same file.
namespace filelinks {

// `link` (as RelativePathTo gives it, "/" between folders) made safe to stand between the double
// quotes of an attribute and in the cell data: "%", the quotes, "<", ">", "&", "#", "?", "[", "]",
// "\", control characters and every character of `delimiter` are percent-encoded (the UTF-8 bytes,
// upper-case hex), so the browser still finds the file. A link holding none of them is unchanged.
QString pageLink(const QString &link, const QString &delimiter = QString());

// The cell-data marker of an inserted text file: "[%" + path + "]" when the path holds no "[", "]",
// line end or `delimiter`; otherwise "[%%" + the path with "%", "[", "]", CR, LF and the
// delimiter's characters percent-encoded + "]". `path` is a full path, as the file dialog gives it.
QString textFileMarker(const QString &path, const QString &delimiter);

// The file a marker's text (between "[%" and "]") names: the text itself, a relative path read
// from the current folder, as a marker typed by hand has always meant, even when it begins with
// "%". Only a text beginning with "%" that names no file there, and whose rest decodes to a full
// path, is taken for the encoded form of textFileMarker and names the decoded path.
QString markerFile(QStringView marker);

} // namespace filelinks
