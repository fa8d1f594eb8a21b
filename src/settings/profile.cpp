#include "settings/profile.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <set>

#include "settings/save_failed.h"
#include "settings/text_encoding.h"

namespace tv {

namespace {

struct Line {
    std::string body;  // without the line end
    std::string end;   // "\r\n", "\n", "\r" or "" for a last line without one
};

// Lines ended by CR LF, LF or a lone CR alike, each keeping its own end so a save writes it back unchanged.
std::vector<Line> splitLines(const std::string& text)
{
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t stop = text.find_first_of("\r\n", pos);
        if (stop == std::string::npos) {
            lines.push_back({text.substr(pos), ""});
            break;
        }
        std::size_t endSize = text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n' ? 2 : 1;
        lines.push_back({text.substr(pos, stop - pos), text.substr(stop, endSize)});
        pos = stop + endSize;
    }
    return lines;
}

std::string trim(const std::string& s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
    return s.substr(b, e - b);
}

bool sameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string lower(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A line without the UTF-8 byte order mark some editors put in front of a file.
std::string withoutBom(const std::string& body)
{
    static const std::string bom = "\xEF\xBB\xBF";
    return body.compare(0, bom.size(), bom) == 0 ? body.substr(bom.size()) : body;
}

// The section name of a "[name]" line, or nothing.
std::optional<std::string> sectionOf(const std::string& body)
{
    std::string t = trim(withoutBom(body));
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    std::size_t close = t.find(']');
    if (close == std::string::npos) return std::nullopt;
    return trim(t.substr(1, close - 1));
}

// The key and value of a "key=value" line, or nothing.
std::optional<std::pair<std::string, std::string>> keyOf(const std::string& body)
{
    std::string t = trim(withoutBom(body));
    if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
    std::size_t eq = t.find('=');
    if (eq == std::string::npos) return std::nullopt;
    return std::make_pair(trim(t.substr(0, eq)), trim(t.substr(eq + 1)));
}

std::int32_t leadingInt(const std::string& value)
{
    std::size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || value[i] == '\t')) ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
    long long n = 0;
    const long long cap = static_cast<long long>(std::numeric_limits<std::int32_t>::max()) + 1;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) n = std::min(cap, n * 10 + (value[i] - '0'));
    if (negative) n = -n;
    n = std::clamp<long long>(n, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(n);
}

}  // namespace

ProfileFile::ProfileFile(std::string path, FileSystem& fs) : m_path(std::move(path)), m_fs(fs) {}

ProfileFile::Contents ProfileFile::parse(const std::string& text)
{
    Contents c;
    c.status = FileRead::Status::Read;
    std::map<std::string, std::string>* current = nullptr;  // the keys of the section being read, if any
    std::set<std::string> seen;
    // Walked in place: a file at the size limit can hold a million lines, most of them blank.
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t stop = text.find_first_of("\r\n", pos);
        if (stop == std::string::npos) stop = text.size();
        const std::size_t begin = pos;
        pos = stop + (stop + 1 < text.size() && text[stop] == '\r' && text[stop + 1] == '\n' ? 2 : 1);
        if (stop == begin) continue;
        const Line line{text.substr(begin, stop - begin), {}};
        if (auto name = sectionOf(line.body)) {
            // Only the first section of a name is read.
            std::string id = lower(*name);
            current = seen.insert(id).second ? &c.sections[id] : nullptr;
            continue;
        }
        if (!current) continue;
        if (auto kv = keyOf(line.body)) current->emplace(lower(kv->first), kv->second);
    }
    return c;
}

const ProfileFile::Contents& ProfileFile::contents() const
{
    if (!m_contents) {
        FileRead file = m_fs.load(m_path);
        if (file.status == FileRead::Status::Read) {
            m_contents = parse(decodeText(file.bytes).text);
        } else {
            m_contents = Contents{};
            m_contents->status = file.status;
            m_contents->reason = file.reason;
        }
    }
    return *m_contents;
}

std::optional<UserText> ProfileFile::problem() const
{
    const Contents& c = contents();
    if (c.status != FileRead::Status::Refused) return std::nullopt;
    return readFailedMessage(absolutePath(m_path), c.reason);
}

std::optional<std::string> ProfileFile::readString(const std::string& section, const std::string& key) const
{
    const Contents& c = contents();
    auto s = c.sections.find(lower(section));
    if (s == c.sections.end()) return std::nullopt;
    auto k = s->second.find(lower(key));
    if (k == s->second.end()) return std::nullopt;
    return k->second;
}

std::int32_t ProfileFile::readInt(const std::string& section, const std::string& key, std::int32_t defaultValue) const
{
    std::optional<std::string> value = readString(section, key);
    if (!value) return defaultValue;
    return leadingInt(*value);
}

std::int32_t ProfileFile::intOf(const std::string& value)
{
    return leadingInt(trim(value));
}

std::string ProfileFile::applyKeys(const std::string& text, const std::string& section,
                                   const std::vector<std::pair<std::string, std::string>>& keys)
{
    std::vector<Line> lines = splitLines(text);
    // Added lines end as the file's first line does; CR LF in a new file.
    std::string eol = "\r\n";
    for (const Line& line : lines)
        if (!line.end.empty()) {
            eol = line.end;
            break;
        }
    for (const auto& [key, rawValue] : keys) {
        std::string value = rawValue;
        std::replace(value.begin(), value.end(), '\r', ' ');
        std::replace(value.begin(), value.end(), '\n', ' ');
        std::string newLine = key;
        newLine += '=';
        newLine += value;
        // Find the first matching section, the key in it, and the last non-blank line of it.
        int sectionLine = -1;
        int lastLine = -1;
        int keyLine = -1;
        for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
            const std::string& body = lines[static_cast<std::size_t>(i)].body;
            if (auto name = sectionOf(body)) {
                if (sectionLine >= 0) break;
                if (sameName(*name, section)) sectionLine = lastLine = i;
                continue;
            }
            if (sectionLine < 0) continue;
            if (!trim(body).empty()) lastLine = i;
            if (auto kv = keyOf(body); kv && keyLine < 0 && sameName(kv->first, key)) keyLine = i;
        }
        if (keyLine >= 0) {
            Line& line = lines[static_cast<std::size_t>(keyLine)];
            std::size_t eq = line.body.find('=');
            line.body = line.body.substr(0, eq + 1) + value;
            continue;
        }
        if (sectionLine < 0) {
            if (!lines.empty() && lines.back().end.empty()) lines.back().end = eol;
            lines.push_back({"[" + section + "]", eol});
            lines.push_back({newLine, eol});
            continue;
        }
        const auto next = static_cast<std::size_t>(lastLine) + 1;
        // A lone CR before a blank LF line would read back as one CR LF, losing that line.
        const bool joins = eol == "\r" && next < lines.size() && lines[next].body.empty() && lines[next].end == "\n";
        Line added{newLine, joins ? "\r\n" : eol};
        if (lines[next - 1].end.empty()) lines[next - 1].end = eol;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(next), added);
    }
    std::string out;
    for (const Line& line : lines) {
        out += line.body;
        out += line.end;
    }
    return out;
}

SaveResult ProfileFile::writeStrings(const std::string& section,
                                     const std::vector<std::pair<std::string, std::string>>& keys)
{
    std::string written;
    SaveResult saved = m_fs.update(m_path, [&](const std::optional<std::string>& old) {
        DecodedText file = decodeText(old.value_or(""));
        written = applyKeys(file.text, section, keys);
        return encodeText(written, file.encoding, file.oddByte);
    });
    // What was written is what a read would find now.
    if (saved) m_contents = parse(written);
    return saved;
}

}  // namespace tv
