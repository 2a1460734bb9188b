#pragma once
// UTF-8, as our JSON files must hold it.
#include <cstddef>
#include <string_view>

// The code point of the sequence at `at`, advancing past it. False, advancing by one byte, for a
// byte that starts no valid sequence (overlong forms, surrogates and values past U+10FFFF included).
bool DecodeUtf8(std::string_view text, std::size_t& at, unsigned& codePoint);

