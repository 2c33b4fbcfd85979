#pragma once

#include <QImage>

class Render3DView;

// The solid view as a picture up to four times the window's resolution, drawn off-screen
// into a framebuffer object by the view's own renderer, smoothed as the resting view is. The turn
// is not advanced by it.
class SolidViewPicture {
public:
    static constexpr int largestFactor = 4;

    // A null image when the view has no drawing surface (none made, or no OpenGL).
    static QImage render(Render3DView& view, int factor);
};
