#include "AppIcon.h"

#include <QPixmap>

namespace zolinar {

namespace {
#include "hamburger.xpm"
} // namespace

QIcon appIcon()
{
    const QPixmap picture(hamburgerXpm);
    QIcon icon(picture);
    // Twice the size with every pixel doubled, for high-DPI screens: pixel
    // art scaled smoothly would blur.
    icon.addPixmap(picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return icon;
}

} // namespace zolinar
