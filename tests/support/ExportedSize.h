#pragma once

#include <QByteArray>
#include <QSizeF>

#include <optional>

// The physical size, in millimetres, that an exported drawing states: an SVG's width and
// height in mm (its viewBox spanning the same page), a PDF's MediaBox in points, a PNG's
// pixels over its dots per metre. Read from the bytes, independently of the writer.
namespace ExportedSize {

std::optional<QSizeF> ofSvg(const QByteArray& bytes);
std::optional<QSizeF> ofPdf(const QByteArray& bytes);
std::optional<QSizeF> ofPng(const QByteArray& bytes);
// By the file's suffix.
std::optional<QSizeF> ofFile(const QString& path);

} // namespace ExportedSize
