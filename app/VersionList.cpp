#include "app/VersionList.h"

#include <QLoggingCategory>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

Q_LOGGING_CATEGORY(lcVersionList, "polymetra.update.versionlist")

// ASCII letters and digits and the punctuation version schemes use. Markup, entities,
// control and direction characters and other scripts are all left out.
bool isPlainVersion(const QString& version)
{
    if (version.isEmpty() || version.size() > VersionList::maxVersionLength)
        return false;
    return std::all_of(version.begin(), version.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
               u == '.' || u == '-' || u == '+' || u == '_' || u == '~' || u == ' ';
    });
}

} // namespace

std::optional<QString> VersionList::versionFor(const QByteArray& document, const QString& key)
{
    if (document.size() > maxDocumentSize)
        return std::nullopt;

    QXmlStreamReader xml(document);
    int depth = 0; // element depth, the plist element being 1
    bool inRootDict = false;
    QString pendingKey; // the key whose value comes next in the root dictionary
    bool sawPlist = false;
    std::optional<QString> found;

    // A flat loop over tokens: nesting is counted, never recursed into.
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            // An internal subset could declare entities; a version list never needs one.
            if (xml.text().contains(QLatin1Char('[')))
                return std::nullopt;
            break;
        case QXmlStreamReader::EntityReference:
            return std::nullopt;
        case QXmlStreamReader::StartElement: {
            ++depth;
            const QStringView name = xml.name();
            if (depth == 1) {
                if (name != QLatin1String("plist"))
                    return std::nullopt;
                sawPlist = true;
            } else if (depth == 2) {
                if (name != QLatin1String("dict") || inRootDict)
                    return std::nullopt;
                inRootDict = true;
            } else if (depth == 3 && inRootDict) {
                if (name == QLatin1String("key")) {
                    pendingKey = xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
                    --depth;
                } else if (name == QLatin1String("string") && pendingKey == key) {
                    found = xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
                    pendingKey.clear();
                    --depth;
                } else {
                    pendingKey.clear(); // another kind of value: not a version string
                }
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    if (xml.hasError() || !sawPlist || !inRootDict)
        return std::nullopt;
    if (found && !isPlainVersion(*found)) {
        qCWarning(lcVersionList) << "refused the version string"
                                 << found->left(maxVersionLength + 8);
        return std::nullopt;
    }
    return found;
}

QByteArray VersionList::document(const QString& version)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("plist"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    writer.writeStartElement(QStringLiteral("dict"));
    writer.writeTextElement(QStringLiteral("key"), QLatin1String(applicationKey));
    writer.writeTextElement(QStringLiteral("string"), version);
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}
