#include "platform/screen_fit.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/dialog_fonts.h"
#include "platform/dialog_units.h"

QRect DialogScreenArea() {
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen->availableGeometry();
}

QFont DialogFontFitting(QSize layoutSize, const QRect& area) {
    for (const int pixels : kDialogFontSizes) {
        const QFont font = DialogFont(pixels);
        const QSize size = MeasureBaseUnits(font).ToPixels(layoutSize.width(), layoutSize.height());
        if (size.width() + kFrameAllowance.width() <= area.width() &&
            size.height() + kFrameAllowance.height() <= area.height()) {
            return font;
        }
    }
    return DialogFont(kDialogFontSizes.back());
}

void CentreDialog(QWidget& dialog, const QRect& area) {
    const QSize framed = dialog.size() + kFrameAllowance;
    // Moved before it is shown, a window's position is its frame's.
    dialog.move(std::max(area.left(), area.left() + (area.width() - framed.width()) / 2),
                std::max(area.top(), area.top() + (area.height() - framed.height()) / 2));
}
