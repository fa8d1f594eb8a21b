// The settings-file reader and writer over any text. Properties: reading never fails and gives a key's value
// or the default; writing the program's keys keeps every other line of the file as it was, in order, line
// ends and encoding included, and reading the file back gives each written value.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "settings/file_system.h"
#include "settings/profile.h"
#include "settings/text_encoding.h"

namespace {

const char* const kKeys[] = {"LoanAmount",       "LoanInterest",          "LoanDuration",     "InvestBFamt1x",
                             "InvestBFamtMo",    "InvestBFamtYr",         "InvestBFduration", "InvestBFInt",
                             "InvestAnnuityAmt", "InvestAnnuityDuration", "InvestAnnuityInt", "MenuStart",
                             "DurationType",     "UseWindowDefaults",     "LoanBkgrndColor",  "TextBoxBgColor"};

struct Line {
    std::string body;
    std::string end;
};

// CR LF, LF and a lone CR each end a line.
std::vector<Line> lines(const std::string& text)
{
    std::vector<Line> out;
    std::string body;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            body += text[i];
            continue;
        }
        const bool crlf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        out.push_back({body, crlf ? "\r\n" : std::string(1, text[i])});
        body.clear();
        if (crlf) ++i;
    }
    if (!body.empty()) out.push_back({body, ""});
    return out;
}

std::string trimmed(const std::string& s)
{
    std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    std::size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// A line as the reader sees it: without a byte order mark in front, trimmed.
std::string lineText(std::string s)
{
    static const std::string bom = "\xEF\xBB\xBF";
    if (s.compare(0, bom.size(), bom) == 0) s.erase(0, bom.size());
    return trimmed(s);
}

std::string lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// True for a "key=value" line of one of the keys written (any section): the writer may change it.
bool writtenKeyLine(const std::string& body, const std::vector<std::pair<std::string, std::string>>& keys)
{
    std::string t = lineText(body);
    if (t.empty() || t.front() == ';' || t.front() == '[') return false;
    std::size_t eq = t.find('=');
    if (eq == std::string::npos) return false;
    std::string key = lower(trimmed(t.substr(0, eq)));
    for (const auto& kv : keys)
        if (lower(kv.first) == key) return true;
    return false;
}

bool sectionHeader(const std::string& body)
{
    std::string t = lineText(body);
    if (t.size() < 2 || t.front() != '[') return false;
    std::size_t close = t.find(']');
    return close != std::string::npos && lower(trimmed(t.substr(1, close - 1))) == lower(tv::kIniSection);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // A UTF-16 file is read and written as its text; anything else byte for byte.
    const tv::DecodedText decoded = tv::decodeText(bytes);
    FUZZ_CHECK(tv::encodeText(decoded.text, decoded.encoding, decoded.oddByte) == bytes,
               "decoding and encoding again give the same bytes");
    const std::string& text = decoded.text;
    tv::MemoryFileSystem fs;
    fs.files["Tarvolin.ini"] = bytes;
    tv::ProfileFile ini("Tarvolin.ini", fs);
    for (const char* key : kKeys) {
        ini.readInt(tv::kIniSection, key, 77);
        if (std::optional<std::string> v = ini.readString(tv::kIniSection, key))
            FUZZ_CHECK(ini.readInt(tv::kIniSection, key, 77) == tv::ProfileFile::intOf(*v), "readInt reads the value");
    }

    // The keys a screen writes, with values taken from the input.
    std::vector<std::pair<std::string, std::string>> keys;
    for (std::size_t i = 0; i < 13 && i < size; ++i)
        keys.emplace_back(kKeys[(data[i] + i) % std::size(kKeys)], std::to_string(static_cast<int>(data[i]) - 100));
    if (keys.empty()) keys.emplace_back("LoanAmount", "1");
    FUZZ_CHECK(ini.writeStrings(tv::kIniSection, keys), "a small file is written");
    const tv::DecodedText file = tv::decodeText(fs.files["Tarvolin.ini"]);
    FUZZ_CHECK(file.encoding == decoded.encoding, "the file keeps its encoding");
    const std::string written = file.text;
    FUZZ_CHECK(written == tv::ProfileFile::applyKeys(text, tv::kIniSection, keys), "the file written is applyKeys'");

    // Every key reads back as the last value written for it.
    std::map<std::string, std::string> last;
    for (const auto& [k, v] : keys) last[lower(k)] = v;
    for (const auto& [k, v] : keys)
        FUZZ_CHECK(ini.readString(tv::kIniSection, k) == last[lower(k)], "a written key reads back: " + k);

    // Every other line is kept, in order, line ends included (a last line without one may gain one).
    std::vector<Line> before = lines(text);
    std::vector<Line> after = lines(written);
    bool hadSection = false;
    for (const Line& l : before) hadSection = hadSection || sectionHeader(l.body);
    std::vector<Line> keptBefore;
    std::vector<Line> keptAfter;
    for (const Line& l : before)
        if (!writtenKeyLine(l.body, keys)) keptBefore.push_back(l);
    bool addedHeaderSkipped = hadSection;
    for (const Line& l : after) {
        if (writtenKeyLine(l.body, keys)) continue;
        if (!addedHeaderSkipped && l.body == "[" + std::string(tv::kIniSection) + "]") {
            addedHeaderSkipped = true;
            continue;
        }
        keptAfter.push_back(l);
    }
    FUZZ_CHECK(keptBefore.size() == keptAfter.size(), "no foreign line is lost or added");
    for (std::size_t i = 0; i < keptBefore.size(); ++i) {
        if (keptBefore[i].end.empty()) {
            // The last line, which may gain a line end: its bytes stand at the start of the line written.
            const std::string whole = keptAfter[i].body + keptAfter[i].end;
            FUZZ_CHECK(whole.compare(0, keptBefore[i].body.size(), keptBefore[i].body) == 0,
                       "the last line is kept: " + keptBefore[i].body);
            continue;
        }
        FUZZ_CHECK(keptBefore[i].body == keptAfter[i].body, "a foreign line is kept: " + keptBefore[i].body);
        if (!keptBefore[i].end.empty())
            FUZZ_CHECK(keptBefore[i].end == keptAfter[i].end, "a foreign line keeps its line end");
    }
    return 0;
}
