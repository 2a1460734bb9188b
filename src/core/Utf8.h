#pragma once
// UTF-8, as our JSON files must hold it.
#include <cstddef>
#include <string>
#include <string_view>

// The code point of the sequence at `at`, advancing past it. False, advancing by one byte, for a
// byte that starts no valid sequence (overlong forms, surrogates and values past U+10FFFF included).
bool DecodeUtf8(std::string_view text, std::size_t& at, unsigned& codePoint);

// Appends the UTF-8 bytes of a code point (not a surrogate, at most U+10FFFF).
void AppendUtf8(std::string& out, unsigned codePoint);
