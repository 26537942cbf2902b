// Tables of test cases kept in tests/data/files/, one case a line, fields
// separated by '|' (kept exactly, spaces included). Lines starting with '#'
// and blank lines are comments. Bytes a text file cannot hold are written as
// C escapes: \xB2, \0, \r, \n, \t, \\; "\*N*" repeats the byte before it to
// N bytes in all (long inputs).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace calvix::testing {

inline std::string Unescape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char c = text[++i];
    if (c == '*') {
      const size_t end = text.find('*', i + 1);
      out.append(std::stoul(text.substr(i + 1, end - i - 1)) - 1, out.back());
      i = end;
    } else if (c == 'x') {
      out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      out += c == '0' ? '\0' : c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
    }
  }
  return out;
}

// One case; `where` ("file:line") goes into SCOPED_TRACE.
struct CaseRow {
  std::string where;
  std::vector<std::string> fields;
  const std::string& operator[](size_t i) const { return fields.at(i); }
  double Number(size_t i) const { return std::strtod(fields.at(i).c_str(), nullptr); }
  // "none" stands for no value.
  std::optional<double> Optional(size_t i) const {
    return fields.at(i) == "none" ? std::nullopt : std::optional<double>(Number(i));
  }
};

inline std::vector<CaseRow> CaseTable(const std::string& name) {
  std::ifstream in(std::string(CALVIX_SOURCE_DIR) + "/tests/data/files/" + name);
  EXPECT_TRUE(in.good()) << name;
  std::vector<CaseRow> rows;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    CaseRow row{name + ":" + std::to_string(number), {}};
    for (size_t start = 0;;) {
      const size_t bar = line.find('|', start);
      row.fields.push_back(Unescape(line.substr(start, bar - start)));
      if (bar == std::string::npos) break;
      start = bar + 1;
    }
    rows.push_back(row);
  }
  EXPECT_FALSE(rows.empty()) << name;
  return rows;
}

}  // namespace calvix::testing
