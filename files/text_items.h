// Text item files: the sequential text convention of project files and of the
// default data file. Each line holds one item and is written with CR LF:
//   string   "ACI"        (between double quotes; an empty string is "")
//   integer  -3
//   boolean  #TRUE#  or  #FALSE#
//   number   1.333333     ("." as decimal separator, no grouping; ".5" reads)
// The file is 8-bit text in the Windows-1252 code page; item texts are UTF-8.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calvix {

enum class ItemKind { String, Integer, Boolean, Number };

struct TextItem {
  ItemKind kind = ItemKind::String;
  // String: the text between the quotes (UTF-8). Integer and Number: the
  // number as read or built ("-3", ".5", "1.333333"). Boolean: "True" or
  // "False".
  std::string text;

  static TextItem FromString(std::string text);
  static TextItem FromInteger(long value);
  static TextItem FromBoolean(bool value);
  // A number from its text, e.g. "1.333333", ".5", "-2E-05". Throws
  // CalvixError (type mismatch) when the text is not a finite decimal number.
  static TextItem FromNumberText(std::string text);

  // The item as a text: a string's own text, a number's text, "True" or
  // "False" for a boolean.
  const std::string& AsText() const { return text; }
  // The value of an Integer item, or of a Number item that is a whole number
  // within range; nothing for other items.
  std::optional<long> AsInteger() const;
  // The value of an Integer or Number item; nothing for other items.
  std::optional<double> AsNumber() const;
  // The value of a Boolean item; nothing for other items.
  std::optional<bool> AsBoolean() const;

  friend bool operator==(const TextItem&, const TextItem&) = default;
};

// Classifies one line of a file (8-bit text; a trailing CR LF or LF, and spaces
// or tabs around the item, are ignored). A line that starts with a double quote
// and ends with one is a string: its text is everything between the first and
// the last quote, so quotes inside survive. "#TRUE#" and "#FALSE#" are
// booleans, an optional sign and digits an integer (a number when it does not
// fit a long), a decimal number with an optional exponent a number. Anything
// else, an empty line included, is not an item: nothing is returned.
std::optional<TextItem> ParseItemLine(std::string_view rawLineCp1252);

struct ReadItemsResult {
  std::vector<TextItem> items;
  // 1-based number of the first line that is not an item (too long, holding a
  // NUL byte, or not of any item kind); reading stopped there.
  std::optional<std::size_t> badLine;
  // Set when the file could not be opened (no items then) or failed while
  // being read (the items before the failure are kept).
  std::string error;
};

// Reads the items of a file, one per line (CR LF or LF), up to `maxItems`
// items. A line longer than `maxLineLength` bytes (line ending not counted) is
// a bad line and is never held whole in memory. Blank lines at the end of the
// file are not items.
ReadItemsResult ReadTextItems(const std::filesystem::path& path, std::size_t maxItems,
                              std::size_t maxLineLength = 4096);

// The line of an item, without line ending. A string's line breaks (CR LF, CR
// or LF) and NUL characters become single spaces so that the line holds the
// whole item. Throws CalvixError (type mismatch) for an Integer or Number item
// whose text is not a number of its kind.
std::string FormatItemLine(const TextItem& item);

// Writes the items, each line ending with CR LF, to a new temporary file next
// to `path` and then moves it over `path`, so that the old file stays as it
// was unless the whole new content is in place. Throws CalvixError
// (kErrorFileAccess) naming the path when the file cannot be written, and
// CalvixError (type mismatch) for a malformed item before touching the disk.
void WriteTextItemsAtomically(const std::filesystem::path& path,
                              const std::vector<TextItem>& items);

// The same replacement for any content: `bytes` are written unchanged.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace calvix
