#include "reports/report_document.h"

#include <cstddef>
#include <exception>
#include <vector>

#include "model/errors.h"

namespace calvix {
namespace {

enum class Mark { None, Fill, PageBreak, LineEnd, Tab };

// One character of a UTF-8 text: its bytes, or a single byte that does not
// start a well-formed sequence (`wellFormed` false).
struct Character {
  std::string_view bytes;
  char32_t codePoint = 0;
  bool wellFormed = true;
};

Character CharacterAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return {text.substr(pos, 1), lead, true};
  std::size_t length = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    cp = lead & 0x1F;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    cp = lead & 0x0F;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    cp = lead & 0x07;
    minimum = 0x10000;
  }
  const Character malformed{text.substr(pos, 1), lead, false};
  if (length == 0 || pos + length > text.size()) return malformed;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return malformed;
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return malformed;
  return {text.substr(pos, length), cp, true};
}

std::vector<Character> Characters(std::string_view text) {
  std::vector<Character> characters;
  for (std::size_t pos = 0; pos < text.size();) {
    Character c = CharacterAt(text, pos);
    pos += c.bytes.size();
    characters.push_back(c);
  }
  return characters;
}

Mark MarkOf(const Character& c) {
  if (!c.wellFormed) return Mark::None;
  switch (c.codePoint) {
    case 0x80:
      return Mark::Fill;
    case 0x81:
      return Mark::PageBreak;
    case 0x82:
      return Mark::LineEnd;
    case 0x83:
      return Mark::Tab;
    default:
      return Mark::None;
  }
}

}  // namespace

std::string ReportUserText(std::string_view text) {
  std::string safe;
  safe.reserve(text.size());
  for (const Character& c : Characters(text)) {
    if (MarkOf(c) == Mark::None) {
      safe.append(c.bytes);
    } else {
      safe.push_back('?');
    }
  }
  return safe;
}

void ReportDocument::StartDocument(int tabWidth, int marginMode, int pageFormat,
                                   ReportDestination& destination) {
  tabWidth_ = tabWidth < 0 ? 0 : tabWidth;
  switch (pageFormat) {
    case kPage85x110:
    case kPage85x110Alt:
      pageLength_ = 85;
      lineWidth_ = 110;
      break;
    case kPage83x80:
      pageLength_ = 83;
      lineWidth_ = 80;
      break;
    case kPage60x132:
      pageLength_ = 60;
      lineWidth_ = 132;
      break;
    default:
      break;
  }
  struct Margins {
    int left, right, top, bottom;
  };
  const Margins* margins = nullptr;
  static constexpr Margins kReport{6, 6, 10, 6};
  static constexpr Margins kNone{0, 0, 0, 0};
  static constexpr Margins kPlot{0, 0, 5, 2};
  if (marginMode == kMarginsReport) margins = &kReport;
  if (marginMode == kMarginsNone) margins = &kNone;
  if (marginMode == kMarginsPlot) margins = &kPlot;
  if (margins != nullptr) {
    SetLeftMargin(margins->left);
    SetRightMargin(margins->right);
    SetTopMargin(margins->top);
    SetBottomMargin(margins->bottom);
  }
  ClearHeaderLines();
  headerRefresh_ = nullptr;
  pageNumber_ = 1;
  lineOnPage_ = 0;
  column_ = 0;
  lineCount_ = 0;
  if (destination_ != nullptr && destination_ != &destination) destination_->Abandon();
  destination_ = &destination;
  destination_->Begin(PageGeometry{pageLength_, lineWidth_});
}

void ReportDocument::PrintLine(std::string_view text) {
  if (lineOnPage_ >= pageLength_ - bottomMargin_) NewPage();
  if (lineOnPage_ < topMargin_) PrintPageHeader();
  PrintText(text);
}

void ReportDocument::PrintPageHeader() {
  if (headerRefresh_) headerRefresh_(*this);
  for (int i = 1; i <= topMargin_; ++i) {
    const bool hasLine = i <= kHeaderLineCount && !headerLines_[static_cast<size_t>(i - 1)].empty();
    PrintText(hasLine ? std::string_view(headerLines_[static_cast<size_t>(i - 1)]) : kLineEndMark);
  }
  lineOnPage_ = topMargin_;
}

void ReportDocument::PrintText(std::string_view text) {
  WriteSpaces(leftMargin_ - column_);

  const std::vector<Character> characters = Characters(text);
  int fills = 0;
  bool pageBreak = false;
  bool tab = false;
  bool lineEnd = false;
  for (const Character& c : characters) {
    switch (MarkOf(c)) {
      case Mark::Fill:
        ++fills;
        break;
      case Mark::PageBreak:
        pageBreak = true;
        break;
      case Mark::Tab:
        tab = true;
        break;
      case Mark::LineEnd:
        lineEnd = true;
        break;
      case Mark::None:
        break;
    }
  }

  // The spaces of each fill mark. A line already as wide as the free width
  // gets no space at all rather than a negative count.
  std::vector<int> fillSpaces;
  if (fills > 0 && !tab) {
    const int length = static_cast<int>(characters.size());
    const int free = lineWidth_ - length - rightMargin_ - leftMargin_ + fills;
    const int q = free / fills;
    const int r = free % fills;
    for (int k = 0; k < fills; ++k) {
      const int spaces = q - 1 + (k > r ? 1 : 0);
      fillSpaces.push_back(spaces > 0 ? spaces : 0);
    }
  }

  if (fills > 0 || pageBreak || tab) {
    std::size_t nextFill = 0;
    for (const Character& c : characters) {
      switch (MarkOf(c)) {
        case Mark::Fill:
          // With a tab in the text the fill marks are not spread: no space.
          if (nextFill < fillSpaces.size()) WriteSpaces(fillSpaces[nextFill++]);
          break;
        case Mark::PageBreak:
          NewPage();
          break;
        case Mark::LineEnd:
          NewLine();
          break;
        case Mark::Tab: {
          // One space, then up to the next multiple of the tab width.
          int spaces = 1;
          if (tabWidth_ > 0) spaces += (tabWidth_ - (column_ + 1) % tabWidth_) % tabWidth_;
          WriteSpaces(spaces);
          break;
        }
        case Mark::None:
          if (column_ < lineWidth_ - rightMargin_) PutText(c.bytes);
          break;
      }
    }
    return;
  }

  if (lineEnd) {
    std::size_t first = 0;
    while (MarkOf(characters[first]) != Mark::LineEnd) ++first;
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < first; ++i) bytes += characters[i].bytes.size();
    PutText(text.substr(0, bytes));
    for (std::size_t i = first; i < characters.size(); ++i) NewLine();
    return;
  }

  PutText(text);
}

void ReportDocument::PutText(std::string_view text) {
  if (text.empty()) return;
  std::string clean;
  clean.reserve(text.size());
  int count = 0;
  for (const Character& c : Characters(text)) {
    if (c.wellFormed && MarkOf(c) == Mark::None) {
      clean.append(c.bytes);
    } else {
      clean.push_back('?');
    }
    ++count;
  }
  if (destination_ != nullptr) destination_->Put(clean);
  column_ += count;
}

void ReportDocument::WriteSpaces(int count) {
  if (count > 0) PutText(std::string(static_cast<size_t>(count), ' '));
}

void ReportDocument::NewLine() {
  if (destination_ != nullptr) destination_->EndLine();
  column_ = 0;
  ++lineOnPage_;
  ++lineCount_;
}

void ReportDocument::NewPage() {
  if (destination_ != nullptr) destination_->EndPage();
  column_ = 0;
  lineOnPage_ = 0;
  ++pageNumber_;
}

void ReportDocument::TabTo(int column) {
  if (column_ < column) WriteSpaces(column - column_);
}

void ReportDocument::SetHeaderLine(int line, std::string_view text) {
  if (line >= 1 && line <= kHeaderLineCount) headerLines_[static_cast<size_t>(line - 1)] = text;
}

void ReportDocument::ClearHeaderLines() {
  for (std::string& line : headerLines_) line.clear();
}

const std::string& ReportDocument::HeaderLine(int line) const {
  static const std::string kNoLine;
  if (line < 1 || line > kHeaderLineCount) return kNoLine;
  return headerLines_[static_cast<size_t>(line - 1)];
}

void ReportDocument::SetLeftMargin(int value) {
  if (value >= 0 && value < lineWidth_ - rightMargin_) leftMargin_ = value;
}

void ReportDocument::SetRightMargin(int value) {
  if (value >= 0 && value < lineWidth_ - leftMargin_) rightMargin_ = value;
}

void ReportDocument::SetTopMargin(int value) {
  if (value >= 0 && value < pageLength_ - bottomMargin_) topMargin_ = value;
}

void ReportDocument::SetBottomMargin(int value) {
  if (value >= 0 && value < pageLength_ - topMargin_) bottomMargin_ = value;
}

void ReportDocument::SetTabWidth(int value) {
  if (value >= 0 && value <= kMaxTabWidth) tabWidth_ = value;
}

bool ReportDocument::EndDocument(Platform& platform) {
  if (destination_ == nullptr) return false;
  ReportDestination* destination = destination_;
  destination_ = nullptr;
  try {
    destination->Finish();
    return true;
  } catch (const std::exception& error) {
    destination->Abandon();
    ReportUnexpectedFailure(platform, error, "End Document", "Print Routines Module");
    return false;
  }
}

void ReportDocument::Abandon() {
  if (destination_ == nullptr) return;
  destination_->Abandon();
  destination_ = nullptr;
}

}  // namespace calvix
