// Raw bytes as text for JSON: hexadecimal for short odd texts, base64 for pictures.
// The readers are strict (one spelling per byte string) so that text -> bytes -> text
// gives the same text back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qgd {

std::string ToHex(std::string_view bytes);               // upper-case digits, two per byte
bool FromHex(std::string_view hex, std::string* bytes);  // either case; even length

std::string ToBase64(const uint8_t* bytes, size_t length);  // standard alphabet, padded
// Padded standard base64; unused bits of the last group must be zero.
bool FromBase64(std::string_view text, std::vector<uint8_t>* bytes);

}  // namespace qgd
