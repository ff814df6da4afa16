#include "widgets/about_dlg.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "platform/dialog_fonts.h"
#include "platform/dialog_units.h"
#include "platform/icon_resources.h"

namespace {

constexpr int kIconSide = 32;

QLabel* AddText(QDialog& dialog, const DialogBaseUnits& units, const QString& text,
                QRect unitsRect) {
    auto* label = new QLabel(text, &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(
        units.ToPixels(unitsRect.x(), unitsRect.y(), unitsRect.width(), unitsRect.height()));
    return label;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    RegisterImageResources();
    setWindowTitle(QStringLiteral("Acerca de Lumo"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(DialogFont());
    const DialogBaseUnits units = MeasureBaseUnits(font());
    setFixedSize(units.ToPixels(235, 55));

    // A static icon takes the icon's own size at its place.
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    const QIcon mainIcon(ImageResourcePath(kMainIcon));
    icon->setPixmap(mainIcon.pixmap(kIconSide, kIconSide));
    icon->setGeometry(QRect(units.ToPixels(11, 17, 0, 0).topLeft(), QSize(kIconSide, kIconSide)));

    AddText(*this, units, QStringLiteral("Lumo Versión 2.0"), {40, 10, 119, 8});
    AddText(*this, units, QStringLiteral("Apuestas para la quiniela de 14 partidos"),
            {40, 25, 119, 8});

    auto* accept = new QPushButton(QStringLiteral("Aceptar"), this);
    accept->setObjectName(QStringLiteral("1"));
    accept->setDefault(true);
    accept->setGeometry(units.ToPixels(178, 7, 50, 14));
    connect(accept, &QPushButton::clicked, this, &QDialog::accept);

    AddText(*this, units, QStringLiteral("Autor: el equipo Lumo"), {40, 40, 170, 8});
}
