#include "render/SolidGL.h"

namespace SolidGL {

Quadric::Quadric(GLenum style, GLenum normals) : m_quadric(gluNewQuadric())
{
    gluQuadricDrawStyle(m_quadric, style);
    gluQuadricNormals(m_quadric, normals);
}

Quadric::~Quadric()
{
    gluDeleteQuadric(m_quadric);
}

void perspective(const SolidFrame& frame)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(frame.layout.fov, frame.width / frame.height, nearPlane, farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void drawFace(const SolidFaces::Face& face)
{
    glBegin(face.triangle ? GL_TRIANGLES : GL_POLYGON);
    for (const SolidFaces::Vertex& v : face.vertices) {
        glColor4f(lightBlueRed, lightBlueGreen, lightBlueBlue, v.alpha);
        glVertex3f(v.x, v.y, v.z);
    }
    glEnd();
}

void drawEdge(const SolidFaces::Edge& edge)
{
    glBegin(edge.loop ? GL_LINE_LOOP : GL_LINES);
    for (const SolidFaces::Point& p : edge.points)
        glVertex3f(p.x, p.y, p.z);
    glEnd();
}

void drawLines(const std::vector<GridVertex>& vertices)
{
    if (vertices.empty())
        return;
    glBegin(GL_LINES);
    for (const GridVertex& v : vertices) {
        glColor4f(v.r, v.g, v.b, v.a);
        glVertex3f(v.x, v.y, v.z);
    }
    glEnd();
}

} // namespace SolidGL
