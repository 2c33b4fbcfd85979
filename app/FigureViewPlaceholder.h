#pragma once

#include <QLabel>

// Stands in the graphics panel for a figure view that is not built yet.
class FigureViewPlaceholder : public QLabel {
public:
    explicit FigureViewPlaceholder(const QString& message, QWidget* parent = nullptr)
        : QLabel(message, parent)
    {
        setAlignment(Qt::AlignCenter);
        setWordWrap(true);
        setMinimumSize(200, 120);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
    }
};
