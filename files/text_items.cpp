#include "files/text_items.h"

#include <unistd.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <random>
#include <system_error>

#include "files/encoding.h"
#include "model/errors.h"

namespace calvix {

namespace {

constexpr std::string_view kTrueToken = "#TRUE#";
constexpr std::string_view kFalseToken = "#FALSE#";
constexpr std::string_view kTrueText = "True";
constexpr std::string_view kFalseText = "False";
constexpr std::size_t kReadChunkSize = 64 * 1024;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsBlankChar(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlankChar(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlankChar(text.back())) text.remove_suffix(1);
  return text;
}

// Optional sign and at least one digit, nothing else.
bool IsIntegerText(std::string_view text) {
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty()) return false;
  for (char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

// Optional sign, digits with an optional decimal point (at least one digit on
// either side of it), then an optional exponent "E" / "e" with optional sign
// and digits.
bool IsDecimalText(std::string_view text) {
  std::size_t pos = 0;
  const std::size_t size = text.size();
  if (pos < size && (text[pos] == '-' || text[pos] == '+')) ++pos;
  std::size_t digits = 0;
  while (pos < size && IsDigit(text[pos])) ++pos, ++digits;
  if (pos < size && text[pos] == '.') {
    ++pos;
    while (pos < size && IsDigit(text[pos])) ++pos, ++digits;
  }
  if (digits == 0) return false;
  if (pos < size && (text[pos] == 'E' || text[pos] == 'e')) {
    ++pos;
    if (pos < size && (text[pos] == '-' || text[pos] == '+')) ++pos;
    std::size_t exponentDigits = 0;
    while (pos < size && IsDigit(text[pos])) ++pos, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return pos == size;
}

std::string_view WithoutPlusSign(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  return text;
}

std::optional<long> ParseLong(std::string_view text) {
  if (!IsIntegerText(text)) return std::nullopt;
  text = WithoutPlusSign(text);
  long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> ParseFiniteDouble(std::string_view text) {
  if (!IsDecimalText(text)) return std::nullopt;
  text = WithoutPlusSign(text);
  double value = 0.0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

CalvixError TypeMismatch() {
  return CalvixError(kErrorTypeMismatch, "Type mismatch");
}

std::string PathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// A string item's text with its line breaks and NUL characters replaced, so
// that it fits on one file line.
std::string OneLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out.push_back(' ');
    } else if (c == '\n' || c == '\0') {
      out.push_back(' ');
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::filesystem::path UniqueTemporaryPath(const std::filesystem::path& path) {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const unsigned long long value = (static_cast<unsigned long long>(random()) << 32) ^
                                     static_cast<unsigned long long>(random());
    char digits[17] = {};
    std::to_chars(digits, digits + 16, value, 16);
    std::filesystem::path candidate = path;
    candidate += ".tmp-";
    candidate += digits;
    std::error_code ec;
    if (!std::filesystem::exists(candidate, ec) && !ec) return candidate;
  }
  throw CalvixError(kErrorFileAccess, "Path/File access (" + PathText(path) + ")");
}

}  // namespace

TextItem TextItem::FromString(std::string text) {
  return {ItemKind::String, std::move(text)};
}

TextItem TextItem::FromInteger(long value) {
  return {ItemKind::Integer, std::to_string(value)};
}

TextItem TextItem::FromBoolean(bool value) {
  return {ItemKind::Boolean, std::string(value ? kTrueText : kFalseText)};
}

TextItem TextItem::FromNumberText(std::string text) {
  if (!ParseFiniteDouble(text)) throw TypeMismatch();
  return {ItemKind::Number, std::move(text)};
}

std::optional<long> TextItem::AsInteger() const {
  if (kind == ItemKind::Integer) return ParseLong(text);
  if (kind != ItemKind::Number) return std::nullopt;
  const std::optional<double> value = ParseFiniteDouble(text);
  if (!value || std::trunc(*value) != *value) return std::nullopt;
  // Both limits are powers of two, so exact as doubles.
  constexpr double kLow = static_cast<double>(std::numeric_limits<long>::min());
  if (*value < kLow || *value >= -kLow) return std::nullopt;
  return static_cast<long>(*value);
}

std::optional<double> TextItem::AsNumber() const {
  if (kind != ItemKind::Integer && kind != ItemKind::Number) return std::nullopt;
  return ParseFiniteDouble(text);
}

std::optional<bool> TextItem::AsBoolean() const {
  if (kind != ItemKind::Boolean) return std::nullopt;
  if (text == kTrueText) return true;
  if (text == kFalseText) return false;
  return std::nullopt;
}

std::optional<TextItem> ParseItemLine(std::string_view rawLineCp1252) {
  std::string_view line = rawLineCp1252;
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  line = TrimBlanks(line);

  if (line.size() >= 2 && line.front() == '"' && line.back() == '"') {
    return TextItem::FromString(Cp1252ToUtf8(line.substr(1, line.size() - 2)));
  }
  if (line == kTrueToken) return TextItem::FromBoolean(true);
  if (line == kFalseToken) return TextItem::FromBoolean(false);
  if (ParseLong(line)) return TextItem{ItemKind::Integer, std::string(line)};
  // Digits too many for an integer still make a number.
  if (ParseFiniteDouble(line)) return TextItem{ItemKind::Number, std::string(line)};
  return std::nullopt;
}

ReadItemsResult ReadTextItems(const std::filesystem::path& path, std::size_t maxItems,
                              std::size_t maxLineLength) {
  ReadItemsResult result;
  std::error_code ec;
  std::ifstream in;
  if (!std::filesystem::is_directory(path, ec)) in.open(path, std::ios::binary);
  if (!in.is_open()) {
    result.error = "The file, " + PathText(path) + ", could not be opened";
    return result;
  }
  if (maxItems == 0) return result;

  std::vector<char> chunk(kReadChunkSize);
  std::string line;
  line.reserve(256);
  std::size_t lineNumber = 0;
  std::optional<std::size_t> firstBlankLine;  // blank lines so far, not yet followed by an item

  // Takes the completed line; false when reading has to stop.
  auto finishLine = [&]() -> bool {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > maxLineLength) {
      result.badLine = lineNumber;
      return false;
    }
    if (TrimBlanks(line).empty()) {
      if (!firstBlankLine) firstBlankLine = lineNumber;
      line.clear();
      return true;
    }
    if (firstBlankLine) {
      result.badLine = firstBlankLine;
      return false;
    }
    std::optional<TextItem> item = ParseItemLine(line);
    line.clear();
    if (!item) {
      result.badLine = lineNumber;
      return false;
    }
    result.items.push_back(std::move(*item));
    return result.items.size() < maxItems;
  };

  while (in) {
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    const auto count = static_cast<std::size_t>(in.gcount());
    for (std::size_t i = 0; i < count; ++i) {
      const char c = chunk[i];
      if (c == '\n') {
        if (!finishLine()) return result;
      } else if (c == '\0') {
        result.badLine = lineNumber + 1;
        return result;
      } else if (line.size() > maxLineLength) {
        // Already one byte over the limit, a CR allowance included: the line
        // is too long whatever follows.
        result.badLine = lineNumber + 1;
        return result;
      } else {
        line.push_back(c);
      }
    }
  }
  if (in.bad()) {
    result.error = "The file, " + PathText(path) + ", could not be read";
    return result;
  }
  if (!line.empty()) finishLine();  // a last line without line ending
  return result;
}

std::string FormatItemLine(const TextItem& item) {
  switch (item.kind) {
    case ItemKind::String:
      return '"' + Utf8ToCp1252(OneLine(item.text)) + '"';
    case ItemKind::Boolean: {
      const std::optional<bool> value = item.AsBoolean();
      if (!value) throw TypeMismatch();
      return std::string(*value ? kTrueToken : kFalseToken);
    }
    case ItemKind::Integer:
      if (!ParseLong(item.text)) throw TypeMismatch();
      return item.text;
    case ItemKind::Number:
      if (!ParseFiniteDouble(item.text)) throw TypeMismatch();
      return item.text;
  }
  throw TypeMismatch();
}

void WriteTextItemsAtomically(const std::filesystem::path& path,
                              const std::vector<TextItem>& items) {
  std::string content;
  for (const TextItem& item : items) {
    content += FormatItemLine(item);
    content += "\r\n";
  }
  WriteFileAtomically(path, content);
}

namespace {

// An existing file the engineer protected: no write permission for anybody,
// or none for this process. Replacing it by a rename would go around that.
bool IsReadOnlyFile(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (ec || !fs::exists(status) || fs::is_directory(status)) return false;
  constexpr fs::perms kWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((status.permissions() & kWrite) == fs::perms::none) return true;
  return ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  if (IsReadOnlyFile(path)) {
    throw CalvixError(kErrorFileAccess, "Path/File access (" + PathText(path) + ")");
  }
  const std::filesystem::path temporary = UniqueTemporaryPath(path);
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out.is_open()) {
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      out.flush();
      written = out.good();
      out.close();
      written = written && !out.fail();
    }
  }
  std::error_code ec;
  if (written) {
    std::filesystem::rename(temporary, path, ec);
    if (!ec) return;
  }
  std::filesystem::remove(temporary, ec);
  throw CalvixError(kErrorFileAccess, "Path/File access (" + PathText(path) + ")");
}

}  // namespace calvix
