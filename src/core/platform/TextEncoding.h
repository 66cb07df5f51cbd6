#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// The one place where stored bytes and displayed text meet.
//
// Journals written on Windows hold single-byte Windows-1252 text. We read such bytes as
// Windows-1252 unless they are valid UTF-8 with at least one multi-byte sequence (text we
// wrote because it did not fit the code page), and we write Windows-1252 whenever the text
// fits, so the file stays what the Windows program writes.

// Text shown to the user from bytes read out of a journal.
QString storedToText(std::string_view bytes);

// Bytes to store for text typed by the user: Windows-1252 when every character fits and
// those bytes do not read as UTF-8; UTF-8 otherwise. storedToText gives the text back.
std::string textToStored(const QString& text);

// Windows-1252 character for a byte; every byte maps to some character (the five bytes the
// code page leaves undefined map to the C1 controls of the same value, as Windows does).
char16_t cp1252ToUnicode(unsigned char byte);

// Byte for a character in Windows-1252, or nothing when the code page lacks it.
std::optional<unsigned char> unicodeToCp1252(char32_t ch);

// True when every character of the text exists in Windows-1252.
bool fitsCp1252(const QString& text);

// True when the bytes are valid UTF-8 holding at least one multi-byte sequence.
bool isMultiByteUtf8(std::string_view bytes);
