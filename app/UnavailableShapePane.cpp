#include "app/UnavailableShapePane.h"

#include "core/Localization.h"

#include <QLabel>
#include <QVBoxLayout>

UnavailableShapePane::UnavailableShapePane(const QString& localizedShapeName, QWidget* parent)
    : QWidget(parent)
{
    auto* label = new QLabel(
        localized("The %1 calculator is not available yet.").arg(localizedShapeName), this);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
}
