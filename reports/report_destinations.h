// The two destinations of a report document: a text file assembled in memory
// and written when the document ends, and a printer reached through the
// printing services of the desktop program.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "reports/report_document.h"

namespace calvix {

class SettingsFile;

// A text report file: UTF-8 text with CR LF line ends, a page boundary shown
// as CR LF twice. The text grows as needed; on Finish it is cut after its last
// character that is not a space, CR or LF and replaces the file as a whole
// (written to a temporary file next to it, then moved over it). An existing
// file that is read-only is refused. Either way a failure leaves the old file
// as it was and throws CalvixError (kErrorFileAccess) naming the file.
class TextFileDestination : public ReportDestination {
 public:
  explicit TextFileDestination(std::filesystem::path path) : path_(std::move(path)) {}

  void Begin(const PageGeometry& page) override;
  void Put(std::string_view text) override { text_.append(text); }
  void EndLine() override { text_.append("\r\n"); }
  void EndPage() override { text_.append("\r\n\r\n"); }
  void Finish() override;
  void Abandon() override { text_.clear(); }
  bool IsFile() const override { return true; }

  const std::filesystem::path& path() const { return path_; }
  // The text assembled so far (emptied by Finish and Abandon).
  const std::string& text() const { return text_; }

 private:
  std::filesystem::path path_;
  std::string text_;
};

// The printer font of a report.
struct PrinterFont {
  std::string name;
  float size = 12.0f;
};

// A page of a print job, as a grid of character cells in a fixed-pitch font.
struct PrinterPage {
  PageGeometry geometry;  // lines per page, characters per line
  PrinterFont font;
};

// The printing services of the desktop program (its printer, or a PDF file
// taken as a printer). Lines and columns count character cells from 0 at the
// top left of the page; the surface keeps the font for every page.
class PrinterSurface {
 public:
  virtual ~PrinterSurface() = default;

  // The names of the printer's fonts, in the printer's order.
  virtual std::vector<std::string> FontNames() const = 0;
  // Starts a print job.
  virtual void BeginDocument(const PrinterPage& page) = 0;
  // Draws text (UTF-8, no control characters) starting at a cell.
  virtual void DrawText(int line, int column, std::string_view text) = 0;
  // Ends the page and starts the next one, in the same font.
  virtual void NewPage() = 0;
  // Sends the job to the printer. Throws a std::exception when that fails.
  virtual void EndDocument() = 0;
  // Drops the job.
  virtual void AbortDocument() = 0;
};

// The name of the first font whose name contains "Courier"; when none does,
// the last name looked at ("" for no fonts).
std::string DefaultFontName(const std::vector<std::string>& fontNames);

// The printer font of the settings file ("Font Data": "FontName" and
// "FontSize"); without a font name, the printer's DefaultFontName in size 12.
PrinterFont ReportPrinterFont(const SettingsFile& settings, const PrinterSurface& surface);

// A printed report: each line of the document is drawn on the surface from
// column 0 on; a page break starts a new printer page. The font is read from
// the settings file when the document begins.
class PrinterDestination : public ReportDestination {
 public:
  PrinterDestination(PrinterSurface& surface, const SettingsFile& settings)
      : surface_(surface), settings_(settings) {}

  void Begin(const PageGeometry& page) override;
  void Put(std::string_view text) override;
  void EndLine() override;
  void EndPage() override;
  void Finish() override;
  void Abandon() override;
  bool IsFile() const override { return false; }

 private:
  PrinterSurface& surface_;
  const SettingsFile& settings_;
  bool open_ = false;
  int line_ = 0;
  int column_ = 0;
};

}  // namespace calvix
