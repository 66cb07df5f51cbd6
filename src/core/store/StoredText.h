#pragma once

#include <string>
#include <string_view>

class BlowfishEngine;

// The road of an enciphered column: plain bytes -> Blowfish -> codec text for a %Q slot,
// and back. Entry texts, comments and the settings row's content key all travel it.

// Codec text of the enciphered bytes, ready for a %Q slot.
std::string EncipherForStorage(std::string_view plain, std::string_view key);
std::string EncipherForStorage(std::string_view plain, const BlowfishEngine& keyed);

// Plain text of a stored column. A NULL column (nullptr) or an empty text reads as empty; a
// malformed codec text raises "Cannot decode binary"; a ciphertext that is not a whole number
// of blocks yields the text of its whole blocks.
std::string DecipherFromStorage(const char* column, std::string_view key);
std::string DecipherFromStorage(const char* column, const BlowfishEngine& keyed);
// Same, decoding and deciphering in the column's own buffer, which is read up to its first zero
// byte and must have one; the plain text is in that buffer.
std::string_view DecipherInPlace(char* column, const BlowfishEngine& keyed);
