#include "reports/report_destinations.h"

#include <system_error>

#include "files/encoding.h"
#include "files/settings.h"
#include "files/text_items.h"
#include "model/errors.h"

#if defined(__unix__) || defined(__APPLE__)
#endif

namespace calvix {
namespace {

namespace fs = std::filesystem;

std::size_t TrimmedLength(const std::string& text) {
  const std::size_t last = text.find_last_not_of(" \r\n");
  return last == std::string::npos ? 0 : last + 1;
}

}  // namespace

void TextFileDestination::Begin(const PageGeometry&) {
  text_.clear();
}

void TextFileDestination::Finish() {
  std::string text = std::move(text_);
  text_.clear();
  text.resize(TrimmedLength(text));
  WriteFileAtomically(path_, text);
}

std::string DefaultFontName(const std::vector<std::string>& fontNames) {
  std::string name;
  for (const std::string& font : fontNames) {
    name = font;
    if (font.find("Courier") != std::string::npos) break;
  }
  return name;
}

PrinterFont ReportPrinterFont(const SettingsFile& settings, const PrinterSurface& surface) {
  PrinterFont font;
  font.name = settings.Read("Font Data", "FontName");
  if (font.name.empty()) {
    font.name = DefaultFontName(surface.FontNames());
    font.size = 12.0f;
  } else {
    font.size = ReadFontSize(settings);
  }
  return font;
}

void PrinterDestination::Begin(const PageGeometry& page) {
  if (open_) surface_.AbortDocument();
  open_ = false;
  line_ = 0;
  column_ = 0;
  surface_.BeginDocument(PrinterPage{page, ReportPrinterFont(settings_, surface_)});
  open_ = true;
}

void PrinterDestination::Put(std::string_view text) {
  surface_.DrawText(line_, column_, text);
  column_ += static_cast<int>(Utf8Length(text));
}

void PrinterDestination::EndLine() {
  ++line_;
  column_ = 0;
}

void PrinterDestination::EndPage() {
  surface_.NewPage();
  line_ = 0;
  column_ = 0;
}

void PrinterDestination::Finish() {
  open_ = false;
  surface_.EndDocument();
}

void PrinterDestination::Abandon() {
  if (open_) surface_.AbortDocument();
  open_ = false;
}

}  // namespace calvix
