#include "app/cli/drawing_output.h"

#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>

#include "app/cli/console.h"
#include "app/core/input_error.h"

namespace vyn::cli {
namespace {

constexpr int kResolution = 96;

void QtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) PrintError(message.toStdString());
}

bool Paint(QPaintDevice& device, QSize size, const std::function<void(QPainter&)>& draw) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  draw(painter);
  return painter.end();
}

}  // namespace

TFileFormat FileFormatOf(const std::string& path) {
  std::string lower = path;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const auto endsWith = [&lower](const std::string& end) {
    return lower.size() > end.size() && lower.ends_with(end);
  };
  if (endsWith(".png")) return TFileFormat::ffPng;
  if (endsWith(".svg")) return TFileFormat::ffSvg;
  if (endsWith(".pdf")) return TFileFormat::ffPdf;
  throw core::EInputError("--out", "must name a .png, .svg or .pdf file");
}

std::unique_ptr<QGuiApplication> StartOffscreenGui() {
  qInstallMessageHandler(QtMessage);
  static int argc = 3;
  static char name[] = "vyn-cli", option[] = "-platform", platform[] = "offscreen";
  static char* argv[] = {name, option, platform, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

void WriteDrawing(const std::string& path, TFileFormat format, QSize size, const QString& title,
                  const std::function<void(QPainter&)>& draw) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly))
    throw EOutputError(path + ": cannot be written: " + file.errorString().toStdString());
  bool drawn = false;
  switch (format) {
    case TFileFormat::ffPng: {
      QImage image(size, QImage::Format_ARGB32_Premultiplied);
      if (image.isNull()) throw EOutputError(path + ": no memory for the picture");
      drawn = Paint(image, size, draw) && image.save(&file, "PNG");
      break;
    }
    case TFileFormat::ffSvg: {
      QSvgGenerator svg;
      svg.setOutputDevice(&file);
      svg.setSize(size);
      svg.setViewBox(QRect(QPoint(0, 0), size));
      svg.setResolution(kResolution);
      svg.setTitle(title);
      drawn = Paint(svg, size, draw);
      break;
    }
    case TFileFormat::ffPdf: {
      QPdfWriter pdf(&file);
      pdf.setResolution(kResolution);
      pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / kResolution, QPageSize::Point));
      pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
      pdf.setTitle(title);
      drawn = Paint(pdf, size, draw);
      break;
    }
  }
  if (!drawn || !file.commit())
    throw EOutputError(path + ": cannot be written: " + file.errorString().toStdString());
}

}  // namespace vyn::cli
