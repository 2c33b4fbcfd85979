#pragma once

#include <QWidget>

class QPainter;

// A small labelled sketch beside a calculator's fields, so the user sees which
// quantity is which. Subclasses draw into a square box in widget coordinates.
class ShapeDiagram : public QWidget {
    Q_OBJECT
public:
    explicit ShapeDiagram(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {220, 180}; }
    QSize minimumSizeHint() const override { return {140, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    virtual void paintShape(QPainter& painter, const QRectF& box) = 0;

    // Writes a label centred on a point, in the diagram's label colour.
    static void drawLabel(QPainter& painter, const QPointF& at, const QString& text);
    // The outline pen and translucent fill shared by every diagram.
    static void useShapeStyle(QPainter& painter);
    static void useMeasureStyle(QPainter& painter);
};
