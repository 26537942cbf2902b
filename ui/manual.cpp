#include "ui/manual.h"

#include <QDesktopServices>
#include <QString>
#include <filesystem>

#include "ui/manual_viewer.h"

namespace calvix {

bool OpenManual(Session& session, const std::function<bool(const QUrl&)>& opener,
                const std::function<bool(const std::filesystem::path&)>& inside) {
  const std::filesystem::path manual = session.folder.Manual();
  const QString path = QString::fromStdString(manual.string());
  std::error_code error;
  if (!std::filesystem::is_regular_file(manual, error)) {
    session.platform.ShowInformation("The Calvix manual could not be found:\r" + manual.string(),
                                     "File Error");
    return false;
  }
  const QUrl url = QUrl::fromLocalFile(path);
  bool opened = opener ? opener(url) : QDesktopServices::openUrl(url);
  if (!opened) opened = inside ? inside(manual) : ui::ShowManualInside(manual, nullptr);
  if (!opened) {
    session.platform.ShowInformation("The Calvix manual could not be opened:\r" + manual.string(),
                                     "File Error");
  }
  return opened;
}

}  // namespace calvix
