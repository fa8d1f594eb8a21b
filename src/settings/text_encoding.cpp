#include "settings/text_encoding.h"

#include <cstdint>

namespace tv {

namespace {

void appendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void appendUnit(std::string& out, std::uint32_t unit, bool bigEndian)
{
    char hi = static_cast<char>(unit >> 8);
    char lo = static_cast<char>(unit & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
}

// The next code point of UTF-8 text at `i`, moving `i` past it; a byte that starts no valid sequence reads
// as U+FFFD. Surrogates in 3-byte form (as decodeText writes a lone one) read as themselves.
std::uint32_t nextCodePoint(const std::string& s, std::size_t& i)
{
    auto byte = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(i);
    int extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
    if (extra == 0) {
        ++i;
        return b;
    }
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size()) {
        ++i;
        return 0xFFFD;
    }
    std::uint32_t cp = b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        unsigned char c = byte(i + static_cast<std::size_t>(k));
        if ((c & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    i += static_cast<std::size_t>(extra) + 1;
    return cp > 0x10FFFF ? 0xFFFD : cp;
}

}  // namespace

DecodedText decodeText(const std::string& bytes)
{
    DecodedText d;
    if (bytes.size() < 2) {
        d.text = bytes;
        return d;
    }
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    const auto b1 = static_cast<unsigned char>(bytes[1]);
    const bool le = b0 == 0xFF && b1 == 0xFE;
    const bool be = b0 == 0xFE && b1 == 0xFF;
    if (!le && !be) {
        d.text = bytes;
        return d;
    }
    d.encoding = le ? TextEncoding::Utf16LE : TextEncoding::Utf16BE;
    const std::size_t end = bytes.size() - (bytes.size() % 2);
    if (end < bytes.size()) d.oddByte = bytes.substr(end);
    auto unitAt = [&](std::size_t k) -> std::uint32_t {
        auto first = static_cast<unsigned char>(bytes[k]);
        auto second = static_cast<unsigned char>(bytes[k + 1]);
        return le ? first | (second << 8) : (first << 8) | second;
    };
    d.text.reserve(end);
    for (std::size_t k = 2; k < end; k += 2) {
        std::uint32_t u = unitAt(k);
        if (u >= 0xD800 && u < 0xDC00 && k + 2 < end) {
            std::uint32_t low = unitAt(k + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                appendUtf8(d.text, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                k += 2;
                continue;
            }
        }
        appendUtf8(d.text, u);
    }
    return d;
}

std::string encodeText(const std::string& text, TextEncoding encoding, const std::string& oddByte)
{
    if (encoding == TextEncoding::Bytes) return text;
    const bool be = encoding == TextEncoding::Utf16BE;
    std::string out;
    out.reserve(2 * text.size() + 2);
    appendUnit(out, 0xFEFF, be);
    for (std::size_t i = 0; i < text.size();) {
        std::uint32_t cp = nextCodePoint(text, i);
        if (cp >= 0x10000) {
            appendUnit(out, 0xD800 + ((cp - 0x10000) >> 10), be);
            appendUnit(out, 0xDC00 + ((cp - 0x10000) & 0x3FF), be);
        } else {
            appendUnit(out, cp, be);
        }
    }
    return out + oddByte;
}

}  // namespace tv
