// The calculation package: a PDF an engineer can hand to a building official,
// with a title block on every page, the summary, the input with the wall
// elevation, the load diagrams and station tables of every selected load
// combination, and the design with its calculation steps.
//
// Qt's own PDF writer draws it (vector, selectable text); it needs a
// QGuiApplication, which may run on the offscreen platform.
#pragma once

#include <QByteArray>
#include <filesystem>

#include "model/session.h"
#include "package/package_input.h"
#include "package/page_layout.h"

namespace calvix {

// The pages of the package, laid out for its paper.
PageList LayOutPackage(const PackageInput& input);

// Pages as PDF bytes, each with its title block.
QByteArray PagesPdf(const PageList& pages, PaperSize paper, const TitleTexts& title);

// The package as PDF bytes.
QByteArray PackagePdf(const PackageInput& input);

// Writes the package to `file` as a whole: written to a temporary file next to
// it and moved over it, so that a failure leaves an existing file as it was.
// A failure is shown as a message naming the file ("Calculation PDF");
// success as "Calculation package written to FILE". Returns whether it was
// written.
bool WritePackageFile(Platform& platform, const PackageInput& input,
                      const std::filesystem::path& file);

// The file dialog of File > Export Calculation PDF.
FileDialogRequest PackageFileDialogRequest();

}  // namespace calvix
