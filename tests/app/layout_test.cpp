// Every control of the main dialog: kind, identifier, text, place and size
// (through the dialog-unit conversion), visibility, tab order, fonts, and
// whether its visible text fits; the dialog font picked for the screen and
// the dialog's place on it. CTest runs it on several screen sizes.
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QtTest>
#include <algorithm>
#include <vector>

#include "app/dialog_template.h"
#include "core/forecast_table.h"
#include "dialog_test_case.h"
#include "platform/dialog_fonts.h"
#include "platform/dialog_units.h"
#include "platform/screen_fit.h"
#include "tests/core/test_support.h"
#include "widgets/hyper_link.h"

using namespace lumo;

namespace {

enum Kind {
    kButton,
    kDefaultButton,
    kEdit,
    kDisabledEdit,
    kListBox,
    kListView,
    kGroup,
    kText,
    kProgress,
    kCheck,
    kPicture,
    kBlack,
    kGrey,
    kWhite,
};

struct Expected {
    int id;
    Kind kind;
    const char* text;  // nullptr: no text to check here
    int x;
    int y;
    int width;
    int height;
    bool shown;
};

// The main dialog's layout, row by row.
// clang-format off
const Expected kLayout[] = {
    {1082, kButton, nullptr, 385, 255, 15, 15, true},
    {1001, kButton, nullptr, 395, 30, 20, 14, true},
    {kNoId, kGroup, "Pronos.", 5, 30, 135, 140, true},
    {1002, kListBox, nullptr, 10, 40, 35, 125, true},
    {1004, kButton, nullptr, 165, 265, 15, 14, false},
    {1005, kEdit, nullptr, 190, 265, 35, 14, false},
    {1011, kButton, "|", 400, 200, 15, 35, true},
    {1028, kEdit, nullptr, 120, 220, 80, 14, false},
    {1029, kDefaultButton, nullptr, 205, 220, 15, 14, false},
    {1030, kButton, nullptr, 110, 10, 15, 14, false},
    {1031, kEdit, nullptr, 15, 10, 85, 14, false},
    {kNoId, kText, "Max. Varia", 280, 170, 34, 8, true},
    {kNoId, kText, "Min. Varia", 280, 155, 32, 8, true},
    {1032, kEdit, nullptr, 315, 166, 25, 14, true},
    {1033, kEdit, nullptr, 315, 150, 25, 14, true},
    {1035, kText, nullptr, 10, 250, 165, 13, false},
    {1036, kButton, nullptr, 280, 200, 15, 14, true},
    {1038, kButton, "OK", 395, 65, 20, 14, true},
    {kNoId, kGroup, "Ganador", 5, 0, 125, 30, false},
    {1041, kButton, nullptr, 305, 200, 15, 14, true},
    {1042, kButton, nullptr, 165, 235, 15, 14, false},
    {1043, kButton, nullptr, 305, 220, 15, 14, true},
    {1044, kButton, nullptr, 330, 200, 15, 14, true},
    {1046, kListView, nullptr, 145, 35, 105, 150, true},
    {1047, kButton, "V", 235, 215, 15, 14, false},
    {1049, kButton, nullptr, 165, 250, 15, 14, false},
    {1045, kButton, nullptr, 330, 220, 15, 14, true},
    {1050, kButton, nullptr, 280, 220, 15, 14, true},
    {kNoId, kGroup, "Paso 3: Poner fijos", 255, 100, 165, 35, true},
    {1052, kButton, "OK", 395, 155, 20, 14, true},
    {1053, kButton, "OK", 395, 15, 20, 14, true},
    {1054, kEdit, nullptr, 365, 150, 25, 14, true},
    {1055, kEdit, nullptr, 365, 164, 25, 14, true},
    {kNoId, kText, "Min 2", 345, 155, 18, 8, true},
    {kNoId, kText, "Max2", 345, 170, 18, 8, true},
    {1056, kEdit, nullptr, 360, 65, 30, 14, true},
    {1057, kButton, "OK", 395, 115, 20, 14, true},
    {kNoId, kText, "Añadir col:", 80, 225, 34, 8, false},
    {kNoId, kText, "Borrar las cols marcadas:", 80, 240, 80, 8, false},
    {kNoId, kGroup, "Añadir / quitar columnas", 70, 210, 160, 90, false},
    {kNoId, kText, "Borrar todas las cols", 80, 255, 64, 8, false},
    {kNoId, kText, "Generar cols. aleatorias", 80, 270, 75, 8, false},
    {kNoId, kGroup, "Paso 1: crear columnas", 255, 5, 165, 45, true},
    {kNoId, kText, "Generar todas las columnas", 295, 20, 88, 8, true},
    {1058, kText, "1", 260, 15, 20, 20, true},
    {1059, kText, nullptr, 145, 10, 105, 18, true},
    {1060, kText, "2", 260, 65, 20, 20, true},
    {kNoId, kGroup, "Paso 2: Descartar improbables", 255, 55, 165, 45, true},
    {kNoId, kText, "Cortar las inferiores a", 285, 70, 66, 8, true},
    {1061, kText, "3", 260, 110, 20, 20, true},
    {kNoId, kText, "Abrir un archivo", 295, 35, 50, 8, true},
    {kNoId, kGroup, "Paso 4: Condicionar a variantes y doses", 255, 140, 165, 45, true},
    {kNoId, kText, "Quitar cols. con prob. igual a cero", 280, 120, 107, 8, true},
    {1062, kText, "4", 260, 155, 20, 20, true},
    {kNoId, kGroup, "Paso 6: Almacenar", 255, 250, 165, 40, true},
    {kNoId, kText, "Grabar datos a un archivo", 290, 260, 83, 8, true},
    {1064, kText, "5", 260, 200, 20, 20, true},
    {kNoId, kGroup, "Paso 5: Reducir", 255, 190, 165, 60, true},
    {1065, kText, "6", 260, 260, 20, 20, true},
    {1048, kButton, nullptr, 355, 200, 15, 14, true},
    {1063, kButton, nullptr, 355, 220, 15, 14, true},
    {kNoId, kText, "14", 285, 235, 9, 8, true},
    {kNoId, kText, "13", 311, 235, 9, 8, true},
    {kNoId, kText, "12", 335, 235, 9, 8, true},
    {kNoId, kText, "11", 361, 235, 9, 8, true},
    {1066, kButton, nullptr, 380, 200, 15, 14, true},
    {kNoId, kText, "10", 385, 235, 9, 8, true},
    {1067, kButton, nullptr, 380, 220, 15, 14, true},
    {kNoId, kText, "Copiar datos (CTRL-C)", 290, 275, 72, 8, true},
    {1003, kButton, nullptr, 385, 270, 15, 15, true},
    {kNoId, kText, "Consolidar marcadas", 80, 285, 66, 8, false},
    {1013, kButton, nullptr, 165, 280, 15, 14, false},
    {kNoId, kText, "Cortar las superiores a", 285, 85, 70, 8, true},
    {1068, kEdit, nullptr, 360, 80, 30, 14, true},
    {1040, kButton, "OK", 395, 80, 20, 14, true},
    {1014, kProgress, nullptr, 10, 295, 410, 9, true},
    {1051, kButton, "A", 235, 270, 15, 14, false},
    {1069, kCheck, nullptr, 235, 230, 10, 8, false},
    {1037, kDefaultButton, nullptr, 185, 240, 15, 14, false},
    {1071, kDefaultButton, nullptr, 205, 240, 15, 14, false},
    {1034, kButton, "2", 25, 175, 15, 14, false},
    {1070, kButton, "B", 60, 175, 15, 14, false},
    {1039, kButton, "1", 10, 175, 15, 14, false},
    {1072, kButton, "6", 40, 190, 15, 14, false},
    {1073, kButton, "3", 40, 175, 15, 14, false},
    {1074, kButton, "4", 10, 190, 15, 14, false},
    {1075, kButton, "5", 25, 190, 15, 14, false},
    {1076, kDisabledEdit, nullptr, 20, 290, 40, 14, false},
    {1077, kButton, "Importar J", 10, 270, 50, 14, false},
    {1006, kListBox, nullptr, 100, 40, 35, 125, false},
    {1007, kListBox, nullptr, 45, 40, 45, 125, false},
    {1078, kButton, "Rentables", 85, 175, 50, 14, false},
    {1079, kDisabledEdit, nullptr, 85, 190, 50, 12, false},
    {1080, kButton, "a2buf", 145, 190, 50, 14, false},
    {kNoId, kText, "Adviértase que en la lista NO figuran todas las columnas de la apuesta sino sólo las primeras. Al copiar o al grabar, eso sí, se grabarán todas.", 145, 190, 105, 40, true},
    {kNoId, kText, "Este porcentaje expresa la probabilidad asignada al resultado de cada partido. Los valores se editan en el archivo de texto adjunto, \"pronostico.txt\".", 45, 40, 90, 65, true},
    {kNoId, kText, "La apuesta resultante presentará unos porcentajes similares si no forzada por condiciones y se considera sólo la élite de las columnas (las más probables)", 45, 110, 90, 50, true},
    {kNoId, kText, "Este programa sólo considera quinielas de 14 columnas, por lo que el pleno al 15 ha de ponerse a mano.", 145, 255, 105, 40, true},
    {kNoId, kPicture, nullptr, 5, 5, 63, 16, true},
    {1081, kText, nullptr, 5, 210, 130, 20, true},
    {kNoId, kBlack, nullptr, 50, 240, 20, 20, true},
    {kNoId, kGrey, nullptr, 57, 247, 20, 20, true},
    {kNoId, kWhite, nullptr, 65, 255, 20, 20, true},
    {1083, kText, nullptr, 10, 230, 140, 8, true},
};
// clang-format on

bool IsFilledRect(const QWidget& widget, Qt::GlobalColor color) {
    return widget.metaObject() == &QFrame::staticMetaObject && widget.autoFillBackground() &&
           widget.palette().color(QPalette::Window) == QColor(color);
}

bool IsA(const QWidget& widget, Kind kind) {
    switch (kind) {
        case kButton:
        case kDefaultButton:
            return qobject_cast<const QPushButton*>(&widget) != nullptr;
        case kEdit:
        case kDisabledEdit:
            return qobject_cast<const QLineEdit*>(&widget) != nullptr;
        case kListBox:
            return qobject_cast<const QListWidget*>(&widget) != nullptr;
        case kListView:
            return qobject_cast<const QTreeWidget*>(&widget) != nullptr;
        case kGroup:
            return qobject_cast<const QGroupBox*>(&widget) != nullptr;
        case kText:
            return qobject_cast<const QLabel*>(&widget) != nullptr;
        case kProgress:
            return qobject_cast<const QProgressBar*>(&widget) != nullptr;
        case kCheck:
            return qobject_cast<const QCheckBox*>(&widget) != nullptr;
        case kPicture: {
            const auto* label = qobject_cast<const QLabel*>(&widget);
            return label != nullptr && !label->pixmap().isNull();
        }
        case kBlack:
            return IsFilledRect(widget, Qt::black);
        case kGrey:
            return IsFilledRect(widget, Qt::gray);
        case kWhite:
            return IsFilledRect(widget, Qt::white);
    }
    return false;
}

QString TextOf(const QWidget& widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->text();
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        return box->title();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        return edit->text();
    }
    return {};
}

std::vector<QWidget*> Controls(const QWidget& dialog) {
    std::vector<QWidget*> controls;
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) {
            controls.push_back(child);
        }
    }
    return controls;
}

}  // namespace

class LayoutTest : public DialogTestCase {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        OpenDialog(DialogDisplay::kExposed);
        units = MeasureBaseUnits(dialog->font());
    }

    void cleanupTestCase() { CloseDialog(); }

    void unitConversionRoundsToNearestPixel() {
        QCOMPARE(BaseWidthFromLetters(333), 6);
        QCOMPARE(BaseWidthFromLetters(394), 8);
        QCOMPARE((DialogBaseUnits{8, 15}.ToPixels(427, 317, 3, 1)), QRect(854, 594, 6, 2));
        // Halves round away from zero: 1 × 6 ÷ 4 = 1.5, 4 × 13 ÷ 8 = 6.5.
        QCOMPARE((DialogBaseUnits{6, 13}.ToPixels(1, 4, 0, 0)), QRect(2, 7, 0, 0));
    }

    void dialogHasTheLayoutsSize() {
        QCOMPARE(dialog->size(), units.ToPixels(427, 317));
        QVERIFY(units.width > 0 && units.height > 0);
    }

    void fontFitsTheScreen_data() {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("pixels");
        QTest::newRow("1280x1024") << QSize(1280, 1024) << 15;
        QTest::newRow("1366x768") << QSize(1366, 768) << 15;
        QTest::newRow("1280x800") << QSize(1280, 800) << 15;
        QTest::newRow("1366x768 less a panel") << QSize(1366, 738) << 13;
        QTest::newRow("1280x680") << QSize(1280, 680) << 13;
        QTest::newRow("narrow") << QSize(900, 1024) << 13;
        QTest::newRow("too small for all") << QSize(1024, 600) << 13;
    }

    void fontFitsTheScreen() {
        QFETCH(QSize, area);
        QFETCH(int, pixels);
        const QFont font = DialogFontFitting(QSize(427, 317), QRect(QPoint(0, 0), area));
        QCOMPARE(font.pixelSize(), pixels);
        QCOMPARE(font.family(), DialogFont().family());
    }

    void dialogFitsItsScreenCentred() {
        const QRect area = DialogScreenArea();
        const int pixels = dialog->font().pixelSize();
        const auto size = std::find(kDialogFontSizes.begin(), kDialogFontSizes.end(), pixels);
        QVERIFY(size != kDialogFontSizes.end());
        // The largest size that fits: the next larger one would not.
        const auto fits = [&area](QSize dialogSize) {
            const QSize framed = dialogSize + kFrameAllowance;
            return framed.width() <= area.width() && framed.height() <= area.height();
        };
        if (size != kDialogFontSizes.begin()) {
            QVERIFY(!fits(MeasureBaseUnits(DialogFont(*(size - 1))).ToPixels(427, 317)));
        }
        // The frame's corner, where the title bar begins, lies on the screen;
        // a dialog that fits has as much room left as right of it, and above
        // as below.
        const QPoint corner = dialog->frameGeometry().topLeft();
        QVERIFY(area.contains(corner));
        if (fits(dialog->size())) {
            const QSize framed = dialog->size() + kFrameAllowance;
            QVERIFY(qAbs(2 * (corner.x() - area.x()) - (area.width() - framed.width())) <= 1);
            QVERIFY(qAbs(2 * (corner.y() - area.y()) - (area.height() - framed.height())) <= 1);
        } else {
            QCOMPARE(size + 1, kDialogFontSizes.end());
        }
    }

    void everyControl_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(std::size(kLayout)); ++row) {
            const Expected& expected = kLayout[row];
            const QString name = expected.id != kNoId ? QString::number(expected.id)
                                 : expected.text      ? QString::fromUtf8(expected.text).left(30)
                                                      : QStringLiteral("row %1").arg(row + 1);
            QTest::newRow(qPrintable(name)) << row;
        }
    }

    void everyControl() {
        QFETCH(int, row);
        const Expected& expected = kLayout[row];
        const QWidget* control = Find(expected);
        QVERIFY2(control != nullptr, "control missing");
        QVERIFY(IsA(*control, expected.kind));

        if (expected.text != nullptr) {
            QCOMPARE(TextOf(*control), QString::fromUtf8(expected.text));
        } else if (expected.kind == kButton || expected.kind == kDefaultButton) {
            QCOMPARE(TextOf(*control), QString());  // an icon instead of a caption
        }
        QCOMPARE(control->isEnabled(), expected.kind != kDisabledEdit);

        const QRect place = units.ToPixels(expected.x, expected.y, expected.width, expected.height);
        if (expected.kind == kPicture) {
            // A picture takes its bitmap's size.
            QCOMPARE(control->geometry(), QRect(place.topLeft(), QSize(125, 31)));
        } else if (expected.id == 1083) {
            // The hyperlink fits its text about the centre of its place, which
            // is wider than the text.
            QVERIFY(control->width() < place.width());
            QVERIFY(qAbs(control->geometry().center().x() - place.center().x()) <= 1);
            QCOMPARE(control->y(), place.y());
        } else {
            QCOMPARE(control->geometry(), place);
        }
        QCOMPARE(control->isVisible(), expected.shown);
        QCOMPARE(control->isHidden(), !expected.shown);
    }

    void noControlBeyondTheLayout() { QCOMPARE(Controls(*dialog).size(), std::size(kLayout)); }

    void creditAndAddress() {
        const QStringList credit = Label(1081)->text().split('\n');
        QCOMPARE(credit.size(), 2);
        QVERIFY(!credit[0].isEmpty());
        QCOMPARE(credit[1], QStringLiteral("Versión 2.0 "));
        // The link shows and opens the author's address, and names it in its
        // tooltip.
        const QString address = QString::fromUtf8(kAuthorAddress);
        QVERIFY(address.startsWith(QStringLiteral("https://")));
        const auto* link = ControlById<CHyperLink>(*dialog, 1083);
        QVERIFY(link != nullptr);
        QCOMPARE(link->Address(), address);
        QCOMPARE(link->text(), address);
        QCOMPARE(link->toolTip(), address);
        QVERIFY(Label(1081)->alignment().testFlag(Qt::AlignHCenter));
        QVERIFY(Label(1083)->alignment().testFlag(Qt::AlignHCenter));
    }

    void tabOrderFollowsTheLayout() {
        std::vector<int> layoutOrder;
        for (const Expected& expected : kLayout) {
            if (expected.id != kNoId) {
                layoutOrder.push_back(expected.id);
            }
        }
        std::vector<int> chainOrder;
        for (QWidget* widget = dialog->nextInFocusChain(); widget != dialog.get();
             widget = widget->nextInFocusChain()) {
            bool numbered = false;
            const int id = widget->objectName().toInt(&numbered);
            if (numbered && widget->parentWidget() == dialog.get()) {
                chainOrder.push_back(id);
            }
        }
        QCOMPARE(chainOrder, layoutOrder);
    }

    void fixedFontsSitOnTheirControls_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("cellHeight");
        QTest::addColumn<bool>("fixedPitch");
        for (const int id : {1002, 1007, 1006, 1046, 1028, 1031}) {
            QTest::addRow("list font on %d", id) << id << LayoutPixels(16, units) << true;
        }
        for (const int id : {1059, 1058, 1060, 1061, 1062, 1064, 1065}) {
            QTest::addRow("step font on %d", id) << id << LayoutPixels(26, units) << false;
        }
    }

    void fixedFontsSitOnTheirControls() {
        QFETCH(int, id);
        QFETCH(int, cellHeight);
        QFETCH(bool, fixedPitch);
        const QFont font = ControlById(*dialog, id)->font();
        QVERIFY(font.bold());
        const int height = QFontMetrics(font).height();
        QVERIFY2(height <= cellHeight && height >= cellHeight - 2,
                 qPrintable(QString::number(height)));
        QCOMPARE(QFontInfo(font).fixedPitch(), fixedPitch);
    }

    void otherControlsUseTheDialogFont() {
        for (const int id : {1053, 1056, 1081, 1083}) {
            QCOMPARE(ControlById(*dialog, id)->font(), dialog->font());
        }
    }

    void forecastRowsAreWhole() {
        dialog->ShowForecast(TableOf({100, 0, 0}));
        const auto* list = ControlById<QListWidget>(*dialog, kForecastList);
        QCOMPARE(list->item(0)->text(), QStringLiteral("100 00 00"));
        QVERIFY(list->sizeHintForColumn(0) <= list->viewport()->width());
        // All 14 rows show whole, without scrolling.
        const QFontMetrics metrics(list->font());
        for (int row = 0; row < list->count(); ++row) {
            QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(row))));
            QVERIFY(metrics.horizontalAdvance(list->item(row)->text()) < list->viewport()->width());
        }
        QVERIFY(!list->verticalScrollBar()->isVisible());
        dialog->ShowForecast(tables.scoring.table);
    }

    void visibleTextsAreWhole() {
        for (const QWidget* control : Controls(*dialog)) {
            if (!control->isVisible()) {
                continue;
            }
            const QFontMetrics metrics(control->font());
            if (const auto* label = qobject_cast<const QLabel*>(control);
                label && label->pixmap().isNull()) {
                const bool fits = label->wordWrap()
                                      ? label->heightForWidth(label->width()) <= label->height()
                                      : metrics.size(0, label->text()).width() <= label->width();
                QVERIFY2(fits, qPrintable(label->text()));
            } else if (const auto* box = qobject_cast<const QGroupBox*>(control)) {
                QVERIFY2(metrics.horizontalAdvance(box->title()) < box->width(),
                         qPrintable(box->title()));
            } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
                QVERIFY2(metrics.horizontalAdvance(button->text()) < button->width(),
                         qPrintable(button->text()));
            }
        }
    }

  private:
    const QWidget* Find(const Expected& expected) const {
        if (expected.id != kNoId) {
            return ControlById(*dialog, expected.id);
        }
        for (const QWidget* control : Controls(*dialog)) {
            if (!control->objectName().isEmpty() || !IsA(*control, expected.kind)) {
                continue;
            }
            if (expected.text != nullptr && TextOf(*control) == QString::fromUtf8(expected.text)) {
                return control;
            }
            if (expected.text == nullptr &&
                control->pos() == units.ToPixels(expected.x, expected.y, 0, 0).topLeft()) {
                return control;
            }
        }
        return nullptr;
    }

    DialogBaseUnits units{};
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
