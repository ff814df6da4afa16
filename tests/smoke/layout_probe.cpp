// Prints where the main dialog's layout puts its controls, in pixels of the
// client area, measured the way the dialog measures them: the base units of
// the dialog font it picks for the screen of the display given by the
// environment. The smoke test finds
// the buttons it clicks with it.
//
// Usage: lumo_layout_probe <control id>...
// Output: "dialog <width> <height>", then "<id> <x> <y> <width> <height>" per id.
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <cstdlib>

#include "app/dialog_template.h"
#include "platform/dialog_units.h"
#include "platform/screen_fit.h"

int main(int argc, char** argv) {
    const QGuiApplication application(argc, argv);
    const DialogBaseUnits units = MeasureBaseUnits(
        DialogFontFitting(QSize(kMainDialogWidth, kMainDialogHeight), DialogScreenArea()));
    QTextStream out(stdout);
    const QSize size = units.ToPixels(kMainDialogWidth, kMainDialogHeight);
    out << "dialog " << size.width() << ' ' << size.height() << '\n';
    const auto layout = MainDialogTemplate();
    for (int i = 1; i < argc; ++i) {
        const int id = std::atoi(argv[i]);
        const auto item = std::find_if(layout.begin(), layout.end(),
                                       [id](const DialogItem& row) { return row.id == id; });
        if (item == layout.end()) {
            QTextStream(stderr) << "no control " << id << " in the layout\n";
            return 1;
        }
        const QRect place = units.ToPixels(item->x, item->y, item->width, item->height);
        out << id << ' ' << place.x() << ' ' << place.y() << ' ' << place.width() << ' '
            << place.height() << '\n';
    }
    return 0;
}
