#include "support/ExportedSize.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>

#include <cmath>

std::optional<QSizeF> ExportedSize::ofSvg(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    static const QRegularExpression size(
        QStringLiteral(R"re(<svg[^>]*\swidth="([0-9.]+)mm"\s+height="([0-9.]+)mm")re"));
    static const QRegularExpression viewBox(
        QStringLiteral(R"re(viewBox="([-0-9.]+) ([-0-9.]+) ([0-9.]+) ([0-9.]+)")re"));
    const QRegularExpressionMatch s = size.match(text);
    const QRegularExpressionMatch v = viewBox.match(text);
    if (!s.hasMatch() || !v.hasMatch())
        return std::nullopt;
    const QSizeF mm(s.captured(1).toDouble(), s.captured(2).toDouble());
    // The view box must have the page's proportions, or the drawing is stretched.
    const double w = v.captured(3).toDouble(), h = v.captured(4).toDouble();
    if (!(w > 0 && h > 0) || std::abs(mm.width() / w - mm.height() / h) > 1e-4 * mm.width() / w)
        return std::nullopt;
    return mm;
}

std::optional<QSizeF> ExportedSize::ofPdf(const QByteArray& bytes)
{
    static const QRegularExpression mediaBox(
        QStringLiteral(R"re(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])re"));
    const QRegularExpressionMatch m = mediaBox.match(QString::fromLatin1(bytes));
    if (!m.hasMatch())
        return std::nullopt;
    constexpr double mmPerPoint = 25.4 / 72;
    return QSizeF(m.captured(1).toDouble() * mmPerPoint, m.captured(2).toDouble() * mmPerPoint);
}

std::optional<QSizeF> ExportedSize::ofPng(const QByteArray& bytes)
{
    const QImage image = QImage::fromData(bytes, "PNG");
    if (image.isNull() || image.dotsPerMeterX() <= 0 || image.dotsPerMeterY() <= 0)
        return std::nullopt;
    return QSizeF(image.width() * 1000.0 / image.dotsPerMeterX(),
                  image.height() * 1000.0 / image.dotsPerMeterY());
}

std::optional<QSizeF> ExportedSize::ofFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(64 << 20);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return ofSvg(bytes);
    if (suffix == QLatin1String("pdf"))
        return ofPdf(bytes);
    if (suffix == QLatin1String("png"))
        return ofPng(bytes);
    return std::nullopt;
}
