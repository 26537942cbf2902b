#!/usr/bin/env bash
# Installs the desktop entry of calvix and the .cxl project file type (run as
# root), so that a file manager opens project files with Calvix:
#   bash desktop/install-desktop.sh PROGRAM   # PROGRAM: absolute path of calvix
set -euo pipefail
cd "$(dirname "$0")"
program="${1:?usage: install-desktop.sh /absolute/path/to/calvix}"
applications=/usr/share/applications
mime=/usr/share/mime
icons=/usr/share/icons/hicolor/scalable/apps
mkdir -p "$applications" "$mime/packages" "$icons"
sed "s|@CALVIX_PROGRAM@|$program|" calvix.desktop.in > "$applications/calvix.desktop"
desktop-file-validate "$applications/calvix.desktop"
install -m 644 calvix-project.xml "$mime/packages/calvix-project.xml"
install -m 644 calvix.svg "$icons/calvix.svg"
update-mime-database "$mime"
update-desktop-database "$applications"
if command -v xdg-mime >/dev/null; then
  xdg-mime default calvix.desktop application/x-calvix-project
fi
