#include "package/calculation_package.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "files/text_items.h"
#include "model/errors.h"
#include "package/package_sections.h"
#include "package/package_summary.h"

namespace calvix {
namespace {

// The PDF is drawn at 72 dots per inch, so that a unit of the layout is a
// point of the paper.
constexpr int kResolution = 72;

QPageSize PageSizeOf(PaperSize paper) {
  return QPageSize(paper == PaperSize::A4 ? QPageSize::A4 : QPageSize::Letter);
}

std::string PathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

PageList LayOutPackage(const PackageInput& input) {
  const QSizeF size = PageSizeOf(input.paper).size(QPageSize::Point);
  PageList pages(size, MakePackageFonts());
  AddSummarySection(pages, input, BuildSummary(input));
  AddInputSection(pages, input);
  if (input.designed) {
    AddLoadSections(pages, input);
    AddDesignSections(pages, input);
  }
  return pages;
}

QByteArray PagesPdf(const PageList& pages, PaperSize paper, const TitleTexts& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(PageSizeOf(paper), QPageLayout::Portrait, QMarginsF()));
    writer.setCreator(QStringLiteral("Calvix ") + SafeText(title.version));
    writer.setTitle(QStringLiteral("Calculation package: ") + SafeText(title.project));
    QPainter painter(&writer);
    for (int i = 0; i < pages.Count(); ++i) {
      if (i > 0) writer.newPage();
      pages.Paint(painter, i, title);
    }
    painter.end();
  }
  buffer.close();
  return bytes;
}

QByteArray PackagePdf(const PackageInput& input) {
  const TitleTexts title{input.problem->entry.Project, input.problem->entry.Location,
                         input.problem->entry.Designer, input.date, input.version};
  return PagesPdf(LayOutPackage(input), input.paper, title);
}

bool WritePackageFile(Platform& platform, const PackageInput& input,
                      const std::filesystem::path& file) {
  try {
    platform.SetBusyPointer(true);
    const QByteArray bytes = PackagePdf(input);
    if (bytes.isEmpty()) throw CalvixError(kErrorFileAccess, "The PDF could not be drawn");
    WriteFileAtomically(file, std::string_view(bytes.constData(), bytes.size()));
    platform.SetBusyPointer(false);
  } catch (const std::exception& error) {
    platform.SetBusyPointer(false);
    platform.ShowMessage(
        {"The calculation package could not be written to " + PathText(file) + ":\r" + error.what(),
         "Calculation PDF", MessageIcon::Critical, MessageButtons::Ok});
    return false;
  }
  platform.ShowInformation("Calculation package written to " + PathText(file), "Calculation PDF");
  return true;
}

FileDialogRequest PackageFileDialogRequest() {
  FileDialogRequest request;
  request.title = "Export Calculation PDF";
  request.filter = "PDF Files (*.pdf)|*.pdf";
  request.defaultExtension = "pdf";
  request.mustExist = false;
  request.confirmOverwrite = true;
  return request;
}

}  // namespace calvix
