#pragma once

#include <variant>

// The numbers a plane figure is drawn from, as the view reads them from the calculator's
// fields: single precision, an empty field reading 0. Angles are in degrees.
namespace PlaneFigureReadings {

struct Ellipse {
    float radiusA = 0; // vertical
    float radiusB = 0; // horizontal
};

struct Circle {
    float radius = 0;
};

struct Rectangle {
    float sideA = 0; // horizontal
    float sideB = 0; // vertical
};

struct Square {
    float side = 0;
};

struct Triangle {
    float sideA = 0, sideB = 0, sideC = 0;
    float angleA = 0, angleB = 0, angleC = 0;
    float height = 0; // onto side a
};

// Side a is the base, b the right side, c the top, d the left side.
struct Trapezium {
    float sideA = 0, sideB = 0, sideC = 0, sideD = 0;
    float angleA = 0, angleB = 0, angleC = 0, angleD = 0;
    float height = 0;
};

struct Parallelogram {
    float sideA = 0, sideB = 0;
    float angleA = 0, angleB = 0;
    float height = 0;
};

struct RegularPolygon {
    float sides = 0;
    float radiusA = 0; // circumradius
};

using Any = std::variant<Ellipse, Circle, Rectangle, Square, Triangle, Trapezium, Parallelogram,
                         RegularPolygon>;

} // namespace PlaneFigureReadings
