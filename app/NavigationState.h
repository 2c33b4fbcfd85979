#pragma once

#include <QString>

// What the window's three tab views share about navigation: the shape on show, and
// whether a selection is being put in place by the program, during which the views'
// selection changes load nothing by themselves.
class NavigationState {
public:
    // The shape whose title, description, tape and icon are shown.
    const QString& shownShape() const { return m_shownShape; }
    void setShownShape(const QString& shapeName) { m_shownShape = shapeName; }

    bool isRestoring() const { return m_restoring > 0; }

    // Marks a restoring for its lifetime; restorings may nest.
    class Restoring {
    public:
        explicit Restoring(NavigationState& state) : m_state(state) { ++m_state.m_restoring; }
        ~Restoring() { --m_state.m_restoring; }
        Restoring(const Restoring&) = delete;
        Restoring& operator=(const Restoring&) = delete;

    private:
        NavigationState& m_state;
    };

private:
    QString m_shownShape;
    int m_restoring = 0;
};
