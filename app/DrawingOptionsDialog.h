#pragma once

#include "drawing/DrawingUnit.h"

#include <QDialog>
#include <QPageSize>

class QComboBox;
class QSpinBox;

// What a drawing is made with: the unit a length of one stands for, true size or the
// power-of-ten scale that fits the paper, and (for printing) the paper.
struct DrawingOptions {
    DrawingUnit unit = DrawingUnit::Centimetre;
    bool fitPaper = false;
    QPageSize::PageSizeId paper = QPageSize::A4;
    // A solid as its net, as the wireframe of its view, or as a picture of the view.
    enum class Solid { Net, Wireframe, Picture };
    Solid solid = Solid::Net;
    int pictureFactor = 2; // the picture's resolution, times the window's
};

class DrawingOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // `forPrinting` adds the paper choice, `forSolid` the choice of net or wireframe.
    DrawingOptionsDialog(bool forPrinting, bool forSolid, const DrawingOptions& initial,
                         QWidget* parent = nullptr);

    DrawingOptions options() const;
    QComboBox* unitBox() const { return m_unit; }
    QComboBox* scaleBox() const { return m_scale; }

private:
    QComboBox* m_unit;
    QComboBox* m_scale;
    QComboBox* m_paper = nullptr;
    QComboBox* m_kind = nullptr;
    QSpinBox* m_factor = nullptr;
};
