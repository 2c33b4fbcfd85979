#include "render/SolidRenderer.h"

#include "render/SolidFaces.h"
#include "render/SolidGL.h"
#include "render/SolidMotion.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>

#include <GL/glu.h>

#include <array>
#include <cmath>
#include <numbers>
#include <optional>

using namespace SolidGL;

namespace {

constexpr auto cylinder_diffuse = lightBlue(0.3f);
constexpr auto endcap_diffuse = lightBlue(0.15f);
constexpr auto cone_diffuse = lightBlue(0.3f);
constexpr auto coneBase_diffuse = lightBlue(0.5f);
constexpr float sphereAlpha = 0.25f;
// The sphere is closed and convex: every pixel of it is covered once by its near half and
// once by its far half, both the same translucent blue. One layer of this opacity over the
// near half alone is the same colour as the two, for half the triangles.
constexpr auto sphere_diffuse = lightBlue(1.0f - (1.0f - sphereAlpha) * (1.0f - sphereAlpha));
constexpr auto ambient = lightBlue(1.0f);
// How far the cone and the pyramid are lifted off the scene's centre, in parts of their
// half-height: the upright cone's base at -0.8 and apex at 1.2.
constexpr float coneLift = 0.2f;
constexpr float pyramidLift = 0.1f;
constexpr int quadricDetail = 60;
// The solids are lit by the ambient light alone, so a surface's colour is the same all
// over: rings and stacks within a filled end or side change nothing that shows (a few
// levels of 255 on a handful of pixels, where the smoothing met an inner edge) but cost a
// software renderer thousands of tiny triangles a frame, two fifths of a spinning
// cylinder's time.
// The slices, which make the outline round, stay.
constexpr int fillRings = 1;
constexpr int sphereDetail = 100;
constexpr int sphereWireDetail = 24;
// The display lists of the cylinder and the cone, and of the sphere.
constexpr int sideList = 0;
constexpr int rimList = 1;
constexpr int endList = 2;
constexpr int sphereList = 0;
constexpr int sphereWireList = 1;
constexpr float straightCamera = -4.1f;
constexpr float smoothCamera = -4.0f;

} // namespace

SolidRenderer::SolidRenderer() = default;
SolidRenderer::~SolidRenderer() = default;

bool SolidRenderer::antiAliased(const SolidFrame& frame, const SolidMotion& motion)
{
    return frame.kind && isSmoothSolid(*frame.kind) && motion.spin(*frame.kind) == 0 &&
           !frame.mouseDidDrag;
}

void SolidRenderer::drawRect(const SolidFrame& frame, SolidMotion& motion,
                             unsigned targetFramebuffer)
{
    if (!isGLInitialised) {
        if (frame.kind)
            prepareOpenGL(*frame.kind);
        isGLInitialised = true;
    }
    // Only an anti-aliased frame still being finished asks for more draws: any other frame
    // ends it, or a solid cleared while it was refined would be redrawn for ever.
    if (!antiAliased(frame, motion) || frame.keyFieldEditable || frame.width < 1 ||
        frame.height < 1) {
        m_resting = false;
        m_refined = 0;
    }
    if (!frame.kind) {
        // Names no solid: nothing to draw, but never show stale pixels.
        glClearColor(1, 1, 1, 0);
        glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    m_scenePasses = 0;
    const SolidKind kind = *frame.kind;
    glViewport(0, 0, GLsizei(frame.width), GLsizei(frame.height));
    const bool drawn = !frame.keyFieldEditable && frame.width >= 1 && frame.height >= 1;
    // An anti-aliased frame clears the target for its plain first rendering and replaces
    // every pixel afterwards: it clears nothing here.
    if (!drawn || !antiAliased(frame, motion))
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (!drawn)
        return;
    if (!isSmoothSolid(kind)) {
        perspective(frame);
        drawStraightSolid(frame, motion);
        return;
    }
    if (!displayListsSet) {
        buildDisplayLists(kind);
        displayListsSet = true;
    }
    if (antiAliased(frame, motion)) {
        drawAntiAliased(frame, motion, targetFramebuffer);
    } else {
        perspective(frame);
        drawSmoothScene(frame, motion);
    }
    glFlush();
}

void SolidRenderer::prepareOpenGL(SolidKind kind)
{
    glClearColor(1, 1, 1, 0);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_POLYGON_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glShadeModel(GL_SMOOTH);
    if (isSmoothSolid(kind)) {
        glDisable(GL_DEPTH_TEST);
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient.data());
        // No light source: the surfaces show their material's response to the ambient.
        glEnable(GL_LIGHTING);
    } else {
        glClearDepth(1.0);
        glDisable(GL_LIGHTING);
        // Every fragment passes, so later faces blend over earlier ones in table order.
        glDepthFunc(GL_ALWAYS);
        glEnable(GL_DEPTH_TEST);
        glColor3f(1, 1, 1);
    }
    glLineWidth(1.0f);
}

// The quadrics are built at unit size and scaled where they are drawn, so a new calculation
// of the same solid reuses them: compiling the sphere's twenty thousand vertices took 3 ms
// of the first frame after Calculate. Scaling leaves the normals unnormalised, which
// changes nothing here: the solids are lit by the ambient light alone.
void SolidRenderer::buildDisplayLists(SolidKind kind)
{
    if (m_lists != 0 && m_listsKind == kind)
        return;
    if (m_lists != 0)
        glDeleteLists(m_lists, m_listCount);
    m_listsKind = kind;
    m_listCount = kind == SolidKind::Sphere ? 2 : 3;
    m_lists = glGenLists(m_listCount);
    const GLfloat black[4] = {0, 0, 0, 1};
    if (kind == SolidKind::Sphere) {
        glNewList(m_lists + sphereList, GL_COMPILE);
        glPushAttrib(GL_ENABLE_BIT | GL_POLYGON_BIT);
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, sphere_diffuse.data());
        glFrontFace(GL_CCW);
        glCullFace(GL_BACK);
        glEnable(GL_CULL_FACE);
        gluSphere(Quadric(GLU_FILL, GLU_SMOOTH), 1, sphereDetail, sphereDetail);
        glPopAttrib();
        glEndList();
        glNewList(m_lists + sphereWireList, GL_COMPILE);
        glColor4f(lightBlueRed, lightBlueGreen, lightBlueBlue, 1.0f);
        glLineWidth(0.7f);
        glRotatef(-90, 1, 0, 0);
        gluSphere(Quadric(GLU_SILHOUETTE, GLU_NONE), 1, sphereWireDetail, sphereWireDetail);
        glEndList();
        return;
    }
    const bool cylinder = kind == SolidKind::Cylinder;
    glNewList(m_lists + sideList, GL_COMPILE);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE,
                 (cylinder ? cylinder_diffuse : cone_diffuse).data());
    gluCylinder(Quadric(GLU_FILL, GLU_SMOOTH), 1, cylinder ? 1 : 0, 1, quadricDetail, fillRings);
    glEndList();
    glNewList(m_lists + rimList, GL_COMPILE);
    glColor4fv(black);
    glLineWidth(1.0f);
    gluDisk(Quadric(GLU_SILHOUETTE, GLU_NONE), 0, 1, quadricDetail, quadricDetail);
    glEndList();
    glNewList(m_lists + endList, GL_COMPILE);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE,
                 (cylinder ? endcap_diffuse : coneBase_diffuse).data());
    gluDisk(Quadric(GLU_FILL, GLU_SMOOTH), 0, 1, quadricDetail, fillRings);
    glEndList();
}

void SolidRenderer::turn(const SolidFrame& frame, SolidMotion& motion)
{
    draw3DGrid(frame, motion.turn(*frame.kind));
}

void SolidRenderer::draw3DGrid(const SolidFrame& frame, float angle)
{
    const SolidGrid::Lines lines =
        SolidGrid::build(frame.gridSquares, frame.layout.gridOffset, angle, frame.switches);
    drawLines(lines.xyPlane);
    drawLines(lines.xzPlane);
    drawLines(lines.zyPlane);
    drawLines(lines.axes);
}

void SolidRenderer::drawStraightSolid(const SolidFrame& frame, SolidMotion& motion)
{
    const SolidKind kind = *frame.kind;
    const SolidLayout& l = frame.layout;
    float cx = 0;
    float cy = 0;
    float cz = 0;
    if (kind == SolidKind::TriangularPrism || kind == SolidKind::TrapezoidalPrism) {
        cx = -l.xValueMidPoint;
        cz = -l.zValue;
    } else if (kind == SolidKind::Pyramid) {
        cy = pyramidLift * l.yValue;
    }
    glTranslatef(0, 0, straightCamera);
    glRotatef(motion.angle(kind), 0, 1, 0);
    glTranslatef(cx, cy, cz);
    ++m_scenePasses;
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    const SolidFaces solid = SolidFaces::of(kind, l);
    for (const SolidFaces::Face& face : solid.faces)
        drawFace(face);
    // The grid stands on the scene's centre line, not the solid's centring.
    glTranslatef(-cx, -cy, -cz);
    turn(frame, motion);
    glTranslatef(cx, cy, cz);
    glColor4f(0, 0, 0, 1);
    glLineWidth(1.0f);
    for (const SolidFaces::Edge& edge : solid.edges)
        drawEdge(edge);
}

void SolidRenderer::drawSmoothScene(const SolidFrame& frame, SolidMotion& motion)
{
    ++m_scenePasses;
    const SolidKind kind = *frame.kind;
    const float angle = motion.angle(kind);
    const float radius = frame.layout.xValue;
    const float y = frame.layout.yValue;
    const float z = frame.layout.zValue;
    // The unit quadrics at the solid's size: the ends and the sphere by its radius, the
    // side also along its axis by its length.
    const auto call = [this, radius](int list, std::optional<float> length = {}) {
        glPushMatrix();
        glScalef(radius, radius, length.value_or(radius));
        glCallList(m_lists + unsigned(list));
        glPopMatrix();
    };
    glPushMatrix();
    glTranslatef(0, 0, smoothCamera);
    glRotatef(angle, 0, 1, 0);
    if (kind == SolidKind::Cylinder) {
        glPushMatrix();
        glTranslatef(0, 0, -z);
        call(endList);
        call(sideList, 2 * z);
        glTranslatef(0, 0, 2 * z);
        call(endList);
        glDisable(GL_LIGHTING);
        glTranslatef(0, 0, -z);
        turn(frame, motion);
        glTranslatef(0, 0, z);
        glTranslatef(0, 0, -2 * z);
        call(rimList);
        glTranslatef(0, 0, 2 * z);
        call(rimList);
        glPopMatrix();
        glEnable(GL_LIGHTING);
    } else if (kind == SolidKind::Cone) {
        // The axis turned upright: base at -0.8 of the half-height, apex at 1.2.
        glTranslatef(0, coneLift * y, 0);
        glTranslatef(0, -y, 0);
        glRotatef(-90, 1, 0, 0);
        glPushMatrix();
        call(endList);
        call(sideList, 2 * y);
        glDisable(GL_LIGHTING);
        glRotatef(90, 1, 0, 0);
        glTranslatef(0, y, 0);
        glTranslatef(0, -coneLift * y, 0);
        turn(frame, motion);
        glTranslatef(0, coneLift * y, 0);
        glTranslatef(0, -y, 0);
        glRotatef(-90, 1, 0, 0);
        call(rimList);
        glPopMatrix();
        glEnable(GL_LIGHTING);
    } else {
        glPushMatrix();
        glDisable(GL_LIGHTING);
        call(sphereWireList);
        glEnable(GL_LIGHTING);
        call(sphereList);
        glPopMatrix();
        glDisable(GL_LIGHTING);
        glLineWidth(1.0f);
        turn(frame, motion);
        glEnable(GL_LIGHTING);
    }
    glPopMatrix();
}

void SolidRenderer::accumulatePerspective(const SolidFrame& frame, float fovy, float aspect,
                                          float near, float far, float pixdx, float pixdy)
{
    const float half = float(double(fovy * 0.5f) * std::numbers::pi / 180.0);
    const float top = near / (std::cos(half) / std::sin(half));
    const float right = top * aspect;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    accumulateFrustum(frame, -right, right, -top, top, near, far, pixdx, pixdy);
}

void SolidRenderer::accumulateFrustum(const SolidFrame& frame, float left, float right,
                                      float bottom, float top, float near, float far, float pixdx,
                                      float pixdy)
{
    const float dx = -(pixdx * (right - left) / frame.width);
    const float dy = -(pixdy * (top - bottom) / frame.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(left + dx, right + dx, bottom + dy, top + dy, near, far);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void SolidRenderer::ensureAccumulation(int width, int height)
{
    const QSize size(width, height);
    if (m_accumulation && m_accumulation->size() == size)
        return;
    // 16 bits a channel, like the 64-bit accumulation buffer the passes add up in.
    m_accumulation = std::make_unique<QOpenGLFramebufferObject>(
        size, QOpenGLFramebufferObject::NoAttachment, GL_TEXTURE_2D, GL_RGBA16);
    m_pass = std::make_unique<QOpenGLFramebufferObject>(
        size, QOpenGLFramebufferObject::CombinedDepthStencil, GL_TEXTURE_2D, GL_RGBA8);
    for (GLuint texture : {m_accumulation->texture(), m_pass->texture()}) {
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

// Adds `weight` times a texture's texels to the bound framebuffer (glAccum(GL_ACCUM)),
// or with weight 1 and no blending replaces them (glAccum(GL_RETURN, 1.0)).
void SolidRenderer::addTexture(unsigned texture, float weight)
{
    QOpenGLFunctions* gl = QOpenGLContext::currentContext()->functions();
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_TEXTURE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_POLYGON_SMOOTH);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    if (weight < 1.0f) {
        glEnable(GL_BLEND);
        gl->glBlendColor(0, 0, 0, weight);
        glBlendFunc(GL_CONSTANT_ALPHA, GL_ONE);
    } else {
        glDisable(GL_BLEND);
    }
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(-1, -1);
    glTexCoord2f(1, 0);
    glVertex2f(1, -1);
    glTexCoord2f(1, 1);
    glVertex2f(1, 1);
    glTexCoord2f(0, 1);
    glVertex2f(-1, 1);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopAttrib();
}

void SolidRenderer::drawAntiAliased(const SolidFrame& frame, SolidMotion& motion, unsigned target)
{
    const float angle = motion.angle(*frame.kind);
    if (!m_resting || !(frame == m_refinedFrame) || angle != m_refinedAngle) {
        // A new resting frame is shown at once as one plain rendering, drawn straight into
        // the target: copying it in from a framebuffer of its own took a tenth of the
        // frame. The four jittered renderings that smooth it follow, one per draw, with
        // input handled between them.
        m_refinedFrame = frame;
        m_refinedAngle = angle;
        m_resting = true;
        m_refined = 0;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        perspective(frame);
        drawSmoothScene(frame, motion);
        return;
    }
    if (m_refined == jitterPasses) {
        // Finished earlier (an expose, a repaint): shown again as it is.
        m_scenePasses = jitterPasses;
        present(*m_accumulation, target);
        return;
    }
    ensureAccumulation(int(frame.width), int(frame.height));
    const Jitter& jitter = j4[size_t(m_refined)];
    m_pass->bind();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    accumulatePerspective(frame, frame.layout.fov, frame.width / frame.height, nearPlane,
                          float(farPlane), jitter.x, jitter.y);
    drawSmoothScene(frame, motion);
    m_accumulation->bind();
    if (m_refined == 0) {
        GLfloat clear[4];
        glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
        glClearColor(0, 0, 0, 0); // the accumulation buffer's clear value
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(clear[0], clear[1], clear[2], clear[3]);
    }
    addTexture(m_pass->texture(), 1.0f / float(jitterPasses));
    ++m_refined;
    m_scenePasses = m_refined;
    // Until the last, the rendering itself is shown.
    present(m_refined == jitterPasses ? *m_accumulation : *m_pass, target);
}

void SolidRenderer::present(const QOpenGLFramebufferObject& source, unsigned target)
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (QOpenGLFramebufferObject::hasOpenGLFramebufferBlit()) {
        // Copied as it is: on a software renderer, a third of the frame's time less than
        // drawing it as a texture.
        QOpenGLExtraFunctions* extra = context->extraFunctions();
        const QSize size = source.size();
        extra->glBindFramebuffer(GL_READ_FRAMEBUFFER, source.handle());
        extra->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, target);
        extra->glBlitFramebuffer(0, 0, size.width(), size.height(), 0, 0, size.width(),
                                 size.height(), GL_COLOR_BUFFER_BIT, GL_NEAREST);
        extra->glBindFramebuffer(GL_FRAMEBUFFER, target);
        return;
    }
    context->functions()->glBindFramebuffer(GL_FRAMEBUFFER, target);
    addTexture(source.texture(), 1.0f);
}

void SolidRenderer::releaseResources()
{
    if (m_lists != 0)
        glDeleteLists(m_lists, m_listCount);
    m_lists = 0;
    m_listCount = 0;
    m_accumulation.reset();
    m_pass.reset();
    m_resting = false;
    m_refined = 0;
    displayListsSet = false;
    isGLInitialised = false;
}
