#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 writes them.
namespace tv {

// A field as it stands in the file: quoted, with its quotes doubled, when it holds a comma, a quote, a
// carriage return or a line feed (or begins or ends with a blank, which spreadsheets would trim); as it is
// otherwise.
std::string csvField(std::string_view text);

// Rows of fields, separated by commas, each row ended by CRLF.
std::string csvText(const std::vector<std::vector<std::string>>& rows);

}  // namespace tv
