// Icons are pixmaps; an HICON names one that lives as long as the program.
#pragma once

#include <QPixmap>

#include "platform/win32/user/winuser.h"

struct HICON__ {
  QPixmap pixmap;
};

struct HDC__ {
  class QPainter* painter;
};

// Makes an icon from image data (PNG); null when the data is no image.
HICON CreateIconFromImageData(const QByteArray& data);
