#pragma once

#include "render/SolidKind.h"

#include <vector>

struct SolidLayout;

// The faces and edges of a straight-edged solid (the three prisms and the pyramid) in
// the solid's own coordinates. Faces are light blue with an opacity per vertex, so each
// fades across its surface; edges are black.
class SolidFaces {
public:
    struct Vertex {
        float x, y, z;
        float alpha;
    };
    struct Face {
        bool triangle; // drawn as GL_TRIANGLES rather than GL_POLYGON
        std::vector<Vertex> vertices;
    };
    struct Point {
        float x, y, z;
    };
    struct Edge {
        bool loop; // GL_LINE_LOOP; otherwise one GL_LINES segment of two points
        std::vector<Point> points;
    };

    std::vector<Face> faces; // in drawing order: later faces blend over earlier ones
    std::vector<Edge> edges;

    // Empty for the smooth solids, which are drawn from quadrics.
    static SolidFaces of(SolidKind kind, const SolidLayout& layout);
};
