#pragma once

#include "render/SolidFrame.h"

#include <memory>

class QOpenGLFramebufferObject;
class SolidMotion;

// Draws the solid view's frames with fixed-function OpenGL into the current context.
// It holds the per-context resources (display lists, the framebuffers that stand in for
// an accumulation buffer) and knows nothing of widgets.
class SolidRenderer {
public:
    // The jitter of the four anti-aliasing passes, in pixels.
    struct Jitter {
        float x, y;
    };
    static constexpr Jitter j4[4] = {{-0.208147f, 0.353730f},
                                     {0.203849f, -0.353780f},
                                     {-0.292626f, -0.149945f},
                                     {0.296924f, 0.149994f}};

    SolidRenderer();
    ~SolidRenderer();
    SolidRenderer(const SolidRenderer&) = delete;
    SolidRenderer& operator=(const SolidRenderer&) = delete;

    // Both are cleared when the view re-initialises: the next pass applies the OpenGL
    // state for the solid afresh and builds its quadrics if it is another solid.
    bool isGLInitialised = false;
    bool displayListsSet = false;

    // One draw pass into `targetFramebuffer`, turning the solid by its spin. A resting
    // smooth solid shows at once as a plain frame, then is anti-aliased over the next four
    // draws, one jittered rendering each; the fourth shows the finished one (see
    // refining()).
    void drawRect(const SolidFrame& frame, SolidMotion& motion, unsigned targetFramebuffer);
    // Whether this frame is anti-aliased from four renderings of the scene.
    static bool antiAliased(const SolidFrame& frame, const SolidMotion& motion);
    // True while an anti-aliased frame still needs draws to be finished.
    bool refining() const { return m_resting && m_refined < jitterPasses; }

    // How many renderings of the scene the frame shown holds (1, or up to 4 when
    // anti-aliased).
    int lastScenePasses() const { return m_scenePasses; }

    static constexpr int jitterPasses = 4;

    // Frees the GL objects; the context must be current.
    void releaseResources();

private:
    void prepareOpenGL(SolidKind kind);
    void buildDisplayLists(SolidKind kind);
    void drawStraightSolid(const SolidFrame& frame, SolidMotion& motion);
    void drawSmoothScene(const SolidFrame& frame, SolidMotion& motion);
    void drawAntiAliased(const SolidFrame& frame, SolidMotion& motion, unsigned target);
    void turn(const SolidFrame& frame, SolidMotion& motion);
    void draw3DGrid(const SolidFrame& frame, float angle);
    void accumulatePerspective(const SolidFrame& frame, float fovy, float aspect, float near,
                               float far, float pixdx, float pixdy);
    void accumulateFrustum(const SolidFrame& frame, float left, float right, float bottom,
                           float top, float near, float far, float pixdx, float pixdy);
    void ensureAccumulation(int width, int height);
    void addTexture(unsigned texture, float weight);
    // Shows a rendering or the finished sum in the target framebuffer.
    void present(const QOpenGLFramebufferObject& source, unsigned target);

    unsigned m_lists = 0; // first of the current display lists
    int m_listCount = 0;
    SolidKind m_listsKind{}; // what they draw, when there are any
    int m_scenePasses = 0;
    // The resting frame shown (plain at first), and how many jittered renderings of it the
    // anti-aliased sum holds.
    SolidFrame m_refinedFrame;
    float m_refinedAngle = 0;
    bool m_resting = false;
    int m_refined = 0;
    std::unique_ptr<QOpenGLFramebufferObject> m_accumulation; // RGBA16, the 64-bit buffer
    std::unique_ptr<QOpenGLFramebufferObject> m_pass;         // one jittered rendering
};
