#pragma once

#include <QWidget>

// Stands in a shape's tab until its calculator is built: says so plainly.
class UnavailableShapePane : public QWidget {
    Q_OBJECT
public:
    explicit UnavailableShapePane(const QString& localizedShapeName, QWidget* parent = nullptr);
};
