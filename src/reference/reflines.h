#pragma once

#include <span>

// The built-in reference texts as tables of physical lines. Each entry is one line without its
// line end; the windows' builders join them. The tables live in css_data.cpp and tag_data.cpp,
// which hold nothing but the text.
namespace reference {

// The CSS reference text: 766 lines, from "<$フォントの設定>" to "<$END>".
std::span<const char16_t *const> cssRefLines();

// The tag reference text: 402 physical lines, from "1基本構造関係" to the last special character.
std::span<const char16_t *const> tagRefLines();

} // namespace reference
