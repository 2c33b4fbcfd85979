#pragma once

#include "drawing/DrawingUnit.h"

#include <QDialog>
#include <QPageSize>

class QComboBox;

// What a drawing is made with: the unit a length of one stands for, true size or the
// power-of-ten scale that fits the paper, and (for printing) the paper.
struct DrawingOptions {
    DrawingUnit unit = DrawingUnit::Centimetre;
    bool fitPaper = false;
    QPageSize::PageSizeId paper = QPageSize::A4;
};

class DrawingOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // `forPrinting` adds the paper choice.
    DrawingOptionsDialog(bool forPrinting, const DrawingOptions& initial,
                         QWidget* parent = nullptr);

    DrawingOptions options() const;
    QComboBox* unitBox() const { return m_unit; }
    QComboBox* scaleBox() const { return m_scale; }

private:
    QComboBox* m_unit;
    QComboBox* m_scale;
    QComboBox* m_paper = nullptr;
};
