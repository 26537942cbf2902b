#include "ui/wall_picture.h"

#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "analysis/load_combinations.h"
#include "analysis/wall_part.h"
#include "model/errors.h"
#include "ui/dialog_helpers.h"
#include "ui/small_dialogs.h"

namespace calvix::ui {

namespace {

constexpr double kPrinterPageWidth = 8160;
constexpr double kPrinterPageHeight = 10560;
constexpr double kPrinterDrawingTop = 3000;
// The main window's schematic grows with its pane, up to four times its 100 %
// size (beyond that the labels in the window's font would look lost).
constexpr double kPanelMaxScale = 4.0 / kTwipsPerPixel;

// Reports a failure of a drawing routine after the paint has ended, so that
// no message box opens inside a paint event.
void ReportLater(Platform& platform, const std::exception& error, const char* routine,
                 const char* form) {
  std::string text = error.what();
  int number = 0;
  if (const auto* known = dynamic_cast<const CalvixError*>(&error)) number = known->number();
  QTimer::singleShot(0, [&platform, text, number, routine, form] {
    ReportUnexpectedFailure(platform, CalvixError(number, text), routine, form);
  });
}

}  // namespace

bool SeismicCombinationActive(const Problem& problem, const SeismicResult& seismic) {
  Problem copy = problem;
  return FilterCombinations(copy, seismic, kMainWall).SeismicCombActive;
}

bool PlotWall(QPainter& painter, Session& session, const QRectF& target, bool printer) {
  try {
    SeismicResult seismic = ComputeSeismicLoads(session.problem);
    PlotWallOptions options;
    options.seismicActive = SeismicCombinationActive(session.problem, seismic);
    QRectF area = target;
    if (printer) {
      options.top = kPrinterDrawingTop;
      options.lineWidth = 2;
      // The page's 8160 x 10560 units are laid over `target`, whatever the
      // painter's own coordinates (a printer page or a part of it).
      painter.save();
      double pageScale =
          std::min(target.width() / kPrinterPageWidth, target.height() / kPrinterPageHeight);
      painter.translate(target.topLeft());
      painter.scale(pageScale, pageScale);
      QFont heading(QStringLiteral("Courier New"));
      heading.setStyleHint(QFont::TypeWriter);
      heading.setPixelSize(200);
      heading.setBold(true);
      painter.setFont(heading);
      painter.setPen(Qt::black);
      // Two line ends, then the heading centred on its line.
      painter.drawText(QRectF(0, 2 * 240, kPrinterPageWidth, 300), Qt::AlignHCenter | Qt::AlignTop,
                       QStringLiteral("GRAPHIC SUMMARY OF MASONRY WALL DATA"));
      WallDrawing drawing = PlotWallDrawing(session.problem, seismic, options);
      RenderWallDrawing(painter, drawing, QRectF(0, 0, kPrinterPageWidth, kPrinterPageHeight), 1.0);
      painter.restore();
      return true;
    }
    WallDrawing drawing = PlotWallDrawing(session.problem, seismic, options);
    RenderWallDrawing(painter, drawing, area, 1.0 / kTwipsPerPixel * 1.5);
    return true;
  } catch (const std::exception& error) {
    ReportLater(session.platform, error, "Plot Wall", "Wall Picture");
    return false;
  }
}

// ---------------------------------------------------------------------------

WallGraphic::WallGraphic(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName(QStringLiteral("picWallGraphic"));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void WallGraphic::SetView(WallView view) {
  view_ = view;
  update();
}

QStringList WallGraphic::PanelLabels() const {
  const EntryForm& entry = session_.problem.entry;
  const auto& labels = session_.display.Labels;
  auto text = [&](int field) {
    QString unit = QString::fromStdString(labels[static_cast<size_t>(field)][1]).trimmed();
    QString value = QString::fromStdString(entry.Fields[static_cast<size_t>(field)]);
    // An empty field shows no unit either.
    if (value.isEmpty() || unit.isEmpty()) return QStringLiteral(" ") + value;
    return QStringLiteral(" ") + value + QStringLiteral(" ") + unit;
  };
  QStringList list;
  if (view_ == WallView::Dimensions) {
    list << text(kWallHeightField) << text(kWallThicknessField) << text(kWallSteelDepthField);
    if (!entry.Cantilever) {
      list << text(kParapetHeightField) << text(kParapetThicknessField)
           << text(kParapetSteelDepthField);
    }
    return list;
  }
  list << QStringLiteral(" D.L.") + text(kFloorDeadField)
       << QStringLiteral(" L.L.") + text(kFloorLiveField)
       << QStringLiteral(" e") + text(kFloorEccentricityField);
  for (const auto& row : entry.Wind) {
    if (row[kWindType] != "W" && row[kWindType] != "H") continue;
    list << QStringLiteral(" ") + QString::fromStdString(WindRowLabel(row, session_.problem.units));
  }
  return list;
}

void WallGraphic::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const bool dims = view_ == WallView::Dimensions;
  try {
    bool cantilever = session_.problem.entry.Cantilever;
    WallDrawing drawing =
        dims ? WallDimensionsSchematic(cantilever, 150) : WallLoadsSchematic(cantilever, 150);
    // The sketch on the left, the value labels beside it in the window's font.
    QRectF sketch(4, 4, width() * 0.55, height() - 8);
    if (!dims) sketch.setHeight(height() * 0.70);
    RenderWallDrawing(painter, drawing, sketch, kPanelMaxScale);

    // Where the drawing lies on the widget, to place the labels at its heights.
    double left = drawing.left;
    double scale = std::min({sketch.width() / (drawing.right - left),
                             sketch.height() / drawing.bottom, kPanelMaxScale});
    double x0 = sketch.left() + (sketch.width() - (drawing.right - left) * scale) / 2;
    auto toY = [&](double y) { return sketch.top() + y * scale; };
    auto toX = [&](double x) { return x0 + (x - left) * scale; };
    const WallOutline& o = drawing.outline;
    QStringList labels = PanelLabels();
    painter.setPen(Qt::black);
    painter.setFont(font());
    QFontMetrics metrics(font());
    double textX = toX(o.wallRight + 700);
    auto put = [&](double x, double y, const QString& text) {
      painter.drawText(QPointF(x, y + metrics.ascent() / 2.0 - 1), text);
    };
    if (dims) {
      put(textX, toY((o.base + o.wallTop) / 2), labels.value(0));
      put(toX(o.wallRight + 60), toY(o.base + 250), labels.value(1));
      put(toX(o.wallRight + 60), toY(o.base + 250) + metrics.height(), labels.value(2));
      if (o.parapet) {
        put(textX, toY((o.wallTop + o.parapetTop) / 2), labels.value(3));
        put(toX(o.parapetRight + 60), toY(o.parapetTop - 150), labels.value(4));
        put(toX(o.parapetRight + 60), toY(o.parapetTop - 150) + metrics.height(), labels.value(5));
      }
    } else {
      double y = toY(o.wallTop - 620) - metrics.height() / 2.0;
      for (int i = 0; i < 3; ++i) put(textX, y + i * metrics.height(), labels.value(i));
      double listY = toY(drawing.bottom) + metrics.height();
      for (int i = 3; i < labels.size(); ++i) {
        put(8, listY, labels[i]);
        listY += metrics.height();
      }
    }
  } catch (const std::exception& error) {
    ReportLater(session_.platform, error, dims ? "Plot Wall Dims" : "Plot Wall Loads",
                "Graphics Module");
  }
}

// ---------------------------------------------------------------------------

namespace {

class WallPictureCanvas : public QWidget {
 public:
  WallPictureCanvas(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("picWallGraphic"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
  }
  QSize sizeHint() const override { return {560, 560}; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    PlotWall(painter, session_, QRectF(rect()).adjusted(4, 4, -4, -4), false);
  }

 private:
  Session& session_;
};

}  // namespace

WallPictureWindow::WallPictureWindow(Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName(QStringLiteral("frmWallPicture"));
  setWindowTitle(QStringLiteral("Calvix - Wall Graphic"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  picture_ = new WallPictureCanvas(session, this);
  layout->addWidget(picture_, 1);
  auto* buttons = new QHBoxLayout;
  auto* back = new QPushButton(QStringLiteral("Return"), this);
  auto* print = new QPushButton(QStringLiteral("Print"), this);
  back->setObjectName(QStringLiteral("cmdWallPict"));
  back->setProperty("index", 0);
  print->setObjectName(QStringLiteral("cmdWallPict"));
  print->setProperty("index", 1);
  buttons->addStretch();
  buttons->addWidget(back);
  buttons->addWidget(print);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(back, &QPushButton::clicked, this, &QDialog::close);
  connect(print, &QPushButton::clicked, this, &WallPictureWindow::Print);
  resize(620, 640);
  CentreOnScreen(this);
}

void WallPictureWindow::Print() {
  try {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintingNotice notice(this);
    notice.show();
    QPainter painter(&printer);
    PlotWall(painter, session_, QRectF(painter.viewport()), true);
    painter.end();
    notice.close();
  } catch (const std::exception& error) {
    ReportUnexpectedFailure(session_.platform, error, "Print Wall", "Wall Picture");
  }
}

}  // namespace calvix::ui
