#pragma once
// UTF-8, as our JSON files must hold it.
#include <cstddef>
#include <string>

// The code point of the sequence at `at`, advancing past it. False, advancing by one byte, for a
// byte that starts no valid sequence (overlong forms, surrogates and values past U+10FFFF included).
bool DecodeUtf8(const std::string& text, std::size_t& at, unsigned& codePoint);

// The position of the first byte that is not valid UTF-8, or std::string::npos.
std::size_t FindInvalidUtf8(const std::string& text);
