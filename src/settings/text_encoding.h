#pragma once

#include <string>

namespace tv {

// How a settings file's bytes hold its text. Editors on other systems save INI files as UTF-16 with a
// byte order mark; everything else is taken byte for byte (UTF-8, ASCII or anything else).
enum class TextEncoding { Bytes, Utf16LE, Utf16BE };

// A file's text as UTF-8, with what it takes to write it back as it was.
struct DecodedText {
    std::string text;  // UTF-8 without the UTF-16 byte order mark; a lone surrogate keeps its 3-byte form
    TextEncoding encoding = TextEncoding::Bytes;
    std::string oddByte;  // the last byte of a UTF-16 file of odd length, kept as it was
};

// The text of a file's bytes: UTF-16 when they start with its byte order mark (FF FE or FE FF).
DecodedText decodeText(const std::string& bytes);
// The bytes of a text in an encoding: UTF-16 gets its byte order mark back, and decodeText gives the text again.
std::string encodeText(const std::string& text, TextEncoding encoding, const std::string& oddByte = {});

}  // namespace tv
