#include "drawing/DrawingExport.h"

#include "core/Localization.h"
#include "core/TapeFiles.h"
#include "drawing/DrawingPainter.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

constexpr double mmPerInch = 25.4;

QByteArray svg(const FigureDrawing& drawing, const DrawingSheet& sheet)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const double k = DrawingExport::vectorDpi / mmPerInch;
    const QSize pixels(int(std::lround(sheet.page.width() * k)),
                       int(std::lround(sheet.page.height() * k)));
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(DrawingExport::vectorDpi);
    generator.setSize(pixels);
    generator.setViewBox(QRect(QPoint(), pixels));
    generator.setTitle(localized("Polymetra drawing"));
    QPainter painter(&generator);
    DrawingPainter::paint(painter, drawing, sheet, k, QRectF(QPointF(), sheet.page));
    painter.end();
    return buffer.data();
}

QByteArray pdf(const FigureDrawing& drawing, const DrawingSheet& sheet)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(DrawingExport::vectorDpi);
    writer.setCreator(QStringLiteral("Polymetra"));
    writer.setPageLayout(
        QPageLayout(QPageSize(sheet.page, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    DrawingPainter::paint(painter, drawing, sheet, DrawingExport::vectorDpi / mmPerInch,
                          QRectF(QPointF(), sheet.page));
    painter.end();
    return buffer.data();
}

QByteArray png(const FigureDrawing& drawing, const DrawingSheet& sheet)
{
    // Dots per metre are whole numbers in the file: the size follows from them.
    const double longest = std::max(sheet.page.width(), sheet.page.height());
    const double dpi = std::min(double(DrawingExport::imageDpi),
                                DrawingExport::largestImageSide * mmPerInch / longest);
    const int dotsPerMetre = std::max(1, int(std::lround(dpi / mmPerInch * 1000)));
    const double k = dotsPerMetre / 1000.0;
    QImage image(std::max(1, int(std::lround(sheet.page.width() * k))),
                 std::max(1, int(std::lround(sheet.page.height() * k))), QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawingPainter::paint(painter, drawing, sheet, k, QRectF(QPointF(), sheet.page));
    painter.end();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

const char* mimeType(DrawingExport::Format format)
{
    switch (format) {
    case DrawingExport::Format::Svg:
        return "image/svg+xml";
    case DrawingExport::Format::Pdf:
        return "application/pdf";
    case DrawingExport::Format::Png:
        return "image/png";
    }
    return "application/octet-stream";
}

} // namespace

std::optional<DrawingExport::Format> DrawingExport::formatNamed(const QString& name)
{
    const QString lower = name.toLower();
    for (Format format : {Format::Svg, Format::Pdf, Format::Png}) {
        if (suffix(format) == lower)
            return format;
    }
    return std::nullopt;
}

QString DrawingExport::suffix(Format format)
{
    switch (format) {
    case Format::Svg:
        return QStringLiteral("svg");
    case Format::Pdf:
        return QStringLiteral("pdf");
    case Format::Png:
        return QStringLiteral("png");
    }
    return QString();
}

QByteArray DrawingExport::render(Format format, const FigureDrawing& drawing,
                                 const DrawingSheet& sheet)
{
    switch (format) {
    case Format::Svg:
        return svg(drawing, sheet);
    case Format::Pdf:
        return pdf(drawing, sheet);
    case Format::Png:
        return png(drawing, sheet);
    }
    return {};
}

bool DrawingExport::write(const QString& path, Format format, const FigureDrawing& drawing,
                          const DrawingSheet& sheet, QString* error)
{
    const QByteArray bytes = render(format, drawing, sheet);
    if (bytes.isEmpty()) {
        if (error)
            *error = localized("the drawing could not be rendered");
        return false;
    }
    return TapeFiles::writeFileAtomically(path, bytes, mimeType(format), error);
}
