#pragma once

#include <QString>

// The help panel's text, lines separated by CR LF; it begins "色の説明とパレットの使い方。".
QString colourHelpText();
// The basic view's explanation, lines separated by CR LF; it begins "左側に基本１６色を示します".
QString basicViewExplanation();
