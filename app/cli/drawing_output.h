#pragma once
// What the drawing commands (wheel, graph) share: the offscreen Qt they draw
// with, the file formats they write, and the writing itself, through a
// temporary file that replaces the named file only when it is complete.
#include <QGuiApplication>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class QPainter;

namespace vyn::cli {

enum class TFileFormat { ffPng, ffSvg, ffPdf };

// By the file's extension, in any case; EInputError naming "--out" else.
TFileFormat FileFormatOf(const std::string& path);

// Qt for drawing without a screen (the offscreen platform, whatever the
// environment names); Qt's own notes stay off standard error, its
// failures are told on one line.
std::unique_ptr<QGuiApplication> StartOffscreenGui();

// Draws a picture of `size` pixels (one pixel is one pixel at 96 dots per
// inch in SVG and PDF) on a white ground into `path`. EOutputError naming
// the file when it cannot be written; an existing file stays as it was.
void WriteDrawing(const std::string& path, TFileFormat format, QSize size, const QString& title,
                  const std::function<void(QPainter&)>& draw);

}  // namespace vyn::cli
