#pragma once

#include "render/SolidFaces.h"
#include "render/SolidFrame.h"
#include "render/SolidGrid.h"

#include <QOpenGLContext>

#include <GL/glu.h>

#include <array>
#include <vector>

// The small pieces of fixed-function OpenGL the solid drawing is made of.
namespace SolidGL {

// Every face and material of a solid is the same light blue (192, 222, 255); only how much
// shows through differs.
inline constexpr GLfloat lightBlueRed = 0.7529f;
inline constexpr GLfloat lightBlueGreen = 0.8706f;
inline constexpr GLfloat lightBlueBlue = 1.0f;
constexpr std::array<GLfloat, 4> lightBlue(GLfloat alpha)
{
    return {lightBlueRed, lightBlueGreen, lightBlueBlue, alpha};
}

// GLU quadrics are plain C objects; this frees one however the scope ends.
class Quadric {
public:
    Quadric(GLenum style, GLenum normals);
    ~Quadric();
    Quadric(const Quadric&) = delete;
    Quadric& operator=(const Quadric&) = delete;
    operator GLUquadric*() const { return m_quadric; }

private:
    GLUquadric* m_quadric;
};

// The clipping planes of every solid's projection.
inline constexpr float nearPlane = 0.1f;
inline constexpr double farPlane = 100.0;

// The frame's perspective projection, and the model-view matrix reset.
void perspective(const SolidFrame& frame);
void drawFace(const SolidFaces::Face& face);
void drawEdge(const SolidFaces::Edge& edge);
void drawLines(const std::vector<GridVertex>& vertices);

} // namespace SolidGL
