#pragma once

#include <QString>

// The program's string resources, read by id as whole texts. Lines end in CR LF, the last one
// included.
// - 101: the 139 named colours, one "name,rrggbb,red,green,blue" record a line (4,010 characters);
// - 102: the 216 web colours, six "RRGGBB " values a line, 36 lines (1,584 characters).
// An id the program does not carry gives an empty text.
QString loadStringResource(int id);
