#pragma once

#include "render/FigureFields.h"
#include "render/SolidFrame.h"
#include "render/SolidGrid.h"
#include "render/SolidKind.h"
#include "render/SolidLayout.h"
#include "render/SolidMotion.h"
#include "render/SolidRenderer.h"
#include "render/SolidScale.h"

#include <QSizeF>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>

class QCheckBox;
class QLabel;
class QStackedLayout;
class Render3DCanvas;

// The solid view in the graphics panel: the solid of the selected solid tab, lit and
// turning about its vertical axis over optional grid planes, with the scale label and
// the four grid switches beside it. Dragging turns the solid, a flick leaves it
// spinning until the next click. The OpenGL surface is made when a solid is first
// shown; where no OpenGL can be had the view shows a short note and still lays solids
// out, so the numbers stay available.
class Render3DView : public QWidget {
    Q_OBJECT
public:
    // Switch tags, as the grid-preference action reads them.
    enum SwitchTag { XZPlaneTag = 1, XYPlaneTag = 2, ZYPlaneTag = 3, XYZAxesTag = 4 };

    explicit Render3DView(QWidget* parent = nullptr);
    ~Render3DView() override;

    // A solid and the fields it is drawn from.
    struct Solid {
        SolidKind kind;
        FigureFields fields;
    };
    // The solids by tab identifier, as the shape table connects them.
    void setSolids(std::map<QString, Solid> solids) { m_solids = std::move(solids); }
    // The fields of a solid whose calculator was built after the view.
    void setSolidFields(const QString& identifier, const FigureFields& fields)
    {
        if (auto found = m_solids.find(identifier); found != m_solids.end())
            found->second.fields = fields;
    }

    // "calculateAndDraw3DFigures": re-initialises for the solid on display and redraws.
    void reinitialise();
    // The layout of the solid on display for the current view size, and its scale.
    void calculateAndDraw3DFigures();
    void draw3DGridPreferencesChanged(int tag);

    void setupRenderTimer();
    void clearRenderTimer();
    bool isSpinning() const { return renderTimer.isActive(); }

    // Mouse handling in window x coordinates (pixels).
    void mouseDown(double x);
    void mouseDragged(double x);
    void mouseUp(double x);
    // Where the pointer is now, in window x; tests replace it.
    void setPointerSource(std::function<double()> source) { m_pointerX = std::move(source); }

    // Draws one pass into the canvas's framebuffer (called with its context current).
    void drawRect(unsigned framebuffer, float devicePixelRatio);
    // What a pass draws, for a framebuffer of `pixels`.
    SolidFrame frameOf(const QSizeF& pixels) const;
    void contextCreated();
    SolidRenderer& renderer() { return m_renderer; }

    const SolidLayout& layout() const { return m_layout; }
    const SolidScale& scale() const { return m_scale; }
    SolidMotion& motion() { return m_motion; }
    QSizeF openGLViewSceneBounds() const { return m_sceneBounds; }
    bool mouseDidDrag() const { return m_mouseDidDrag; }
    // The drawing surface, or nullptr while none was made (or none could be).
    Render3DCanvas* canvas() const { return m_canvas; }
    // The widget that holds the canvas's window in the view's layout.
    QWidget* canvasHolder() const { return m_canvasHolder; }
    // The note shown instead of the drawing when OpenGL is not available.
    QLabel* unavailableNote() const { return m_note; }
    QWidget* sceneArea() const { return m_sceneArea; }

    QLabel* scaleStringTextField;
    QCheckBox* xyPlaneSwitch;
    QCheckBox* xzPlaneSwitch;
    QCheckBox* zyPlaneSwitch;
    QCheckBox* xyzAxesSwitch;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void awakeFromNib();
    QCheckBox* createSwitch(const char* text, SwitchTag tag, const QString& key);
    void createSurface();
    void reshape();
    void resetCursorRects();
    void requestRedisplay();
    // The same for a changed solid, without waiting for the display's next refresh.
    void redisplayNow();
    void measureSpin();
    void applicationDidHide();
    void applicationDidUnhide();
    bool keyFieldEditable() const;

    std::map<QString, Solid> m_solids;
    const Solid* m_solid = nullptr; // the solid on display ("3DBottomTab")
    QWidget* m_sceneArea;
    QStackedLayout* m_sceneStack;
    Render3DCanvas* m_canvas = nullptr; // owned by its holder
    QWidget* m_canvasHolder = nullptr;
    QLabel* m_note = nullptr;
    bool m_waitingForWarmUp = false;
    QWidget* m_watchedWindow = nullptr;

    QTimer renderTimer;
    QTimer m_releaseWait; // the moment after a release in which a flick is measured
    std::function<double()> m_pointerX;

    std::optional<SolidKind> m_kind; // the kind of m_solid
    bool m_drawerOpen = false;
    SolidGrid::Switches m_switches;
    SolidLayout m_layout;
    SolidScale m_scale;
    SolidMotion m_motion;
    SolidRenderer m_renderer;
    QSizeF m_sceneBounds;
    double m_downX = 0;
    bool m_mouseDidDrag = false;
    double m_releaseX = 0;
    SolidKind m_releaseKind = SolidKind::RectangularPrism;
};
