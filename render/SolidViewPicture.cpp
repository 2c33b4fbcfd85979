#include "render/SolidViewPicture.h"

#include "render/Render3DCanvas.h"
#include "render/Render3DView.h"

#include <QOpenGLFramebufferObject>

#include <algorithm>

QImage SolidViewPicture::render(Render3DView& view, int factor)
{
    Render3DCanvas* canvas = view.canvas();
    if (!canvas || !canvas->isValid())
        return {};
    const int f = std::clamp(factor, 1, largestFactor);
    const QSize size =
        (QSizeF(canvas->size()) * canvas->devicePixelRatio() * f).toSize().expandedTo(QSize(1, 1));
    canvas->makeCurrent();
    QImage picture;
    {
        QOpenGLFramebufferObjectFormat format;
        format.setAttachment(QOpenGLFramebufferObject::Depth);
        QOpenGLFramebufferObject target(size, format);
        if (target.isValid() && target.bind()) {
            SolidMotion still = view.motion();
            // A resting smooth solid is finished over several draws.
            do
                view.renderer().drawRect(view.frameOf(QSizeF(size)), still, target.handle());
            while (view.renderer().refining());
            picture = target.toImage();
            target.release();
        }
    }
    canvas->doneCurrent();
    if (picture.isNull())
        return {};
    // The colours already hold the white they were blended over, as on screen; the alpha
    // the blending left behind is not the picture's.
    picture.reinterpretAsFormat(QImage::Format_RGB32);
    return picture.convertToFormat(QImage::Format_ARGB32).convertToFormat(QImage::Format_RGB32);
}
