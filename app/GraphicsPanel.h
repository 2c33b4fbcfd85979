#pragma once

#include <QWidget>

class QVBoxLayout;

// The graphics drawer's content: it holds exactly one figure view at a time, the plane
// view for plane figures and the solid view for solids.
class GraphicsPanel : public QWidget {
    Q_OBJECT
public:
    explicit GraphicsPanel(QWidget* parent = nullptr);

    QWidget* figureView() const { return m_figureView; }
    // Puts a view in place of the current one (which stays alive, hidden).
    void setFigureView(QWidget* view);

private:
    QVBoxLayout* m_layout;
    QWidget* m_figureView = nullptr;
};
