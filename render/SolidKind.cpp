#include "render/SolidKind.h"

bool isSmoothSolid(SolidKind kind)
{
    return kind == SolidKind::Cylinder || kind == SolidKind::Cone || kind == SolidKind::Sphere;
}
