#include "platform/dialog_builder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <vector>

#include "platform/copy_key.h"
#include "platform/group_box.h"
#include "platform/icon_resources.h"
#include "platform/list_box.h"

namespace {

QLabel* CreateText(QWidget* parent, const QString& text, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// The web-address control: a centred link that shows the address.
QLabel* CreateHyperLink(QWidget* parent, const QString& text, HyperLinkFactory makeHyperLink) {
    QLabel* link = makeHyperLink(text, parent);
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return link;
}

QWidget* CreateFilledRect(QWidget* parent, Qt::GlobalColor color) {
    auto* rect = new QFrame(parent);
    QPalette palette = rect->palette();
    palette.setColor(QPalette::Window, color);
    rect->setPalette(palette);
    rect->setAutoFillBackground(true);
    rect->setAttribute(Qt::WA_TransparentForMouseEvents);
    return rect;
}

QTreeWidget* CreateListView(QWidget* parent) {
    auto* view = new QTreeWidget(parent);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSortingEnabled(false);
    DisableCopyKey(*view);
    return view;
}

QWidget* CreateControl(QWidget* parent, const DialogItem& item, HyperLinkFactory makeHyperLink) {
    const QString text = QString::fromUtf8(item.text);
    switch (item.kind) {
        case ControlKind::kPushButton:
            return new QPushButton(text, parent);
        case ControlKind::kDefaultPushButton: {
            auto* button = new QPushButton(text, parent);
            button->setDefault(true);
            return button;
        }
        case ControlKind::kCheckBox:
            return new QCheckBox(text, parent);
        case ControlKind::kEdit:
            return new QLineEdit(text, parent);
        case ControlKind::kDisabledEdit: {
            auto* edit = new QLineEdit(text, parent);
            edit->setEnabled(false);
            return edit;
        }
        case ControlKind::kListBox:
            return CreateListBox(parent);
        case ControlKind::kListView:
            return CreateListView(parent);
        case ControlKind::kProgressBar: {
            auto* bar = new QProgressBar(parent);
            bar->setTextVisible(false);
            return bar;
        }
        case ControlKind::kGroupBox: {
            QGroupBox* box = CreateGroupBox(text, parent);
            box->setAttribute(Qt::WA_TransparentForMouseEvents);
            return box;
        }
        case ControlKind::kText:
            return CreateText(parent, text, Qt::AlignLeft);
        case ControlKind::kCentredText:
            return CreateText(parent, text, Qt::AlignHCenter);
        case ControlKind::kSunkenText: {
            QLabel* label = CreateText(parent, text, Qt::AlignLeft);
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            return label;
        }
        case ControlKind::kHyperLink:
            return CreateHyperLink(parent, text, makeHyperLink);
        case ControlKind::kPicture: {
            QLabel* picture = CreateText(parent, QString(), Qt::AlignLeft);
            picture->setPixmap(QPixmap(ImageResourcePath(item.image)));
            return picture;
        }
        case ControlKind::kBlackRect:
            return CreateFilledRect(parent, Qt::black);
        case ControlKind::kGreyRect:
            return CreateFilledRect(parent, Qt::gray);
        case ControlKind::kWhiteRect:
            return CreateFilledRect(parent, Qt::white);
    }
    return nullptr;
}

}  // namespace

void CreateDialogControls(QWidget& dialog, std::span<const DialogItem> layout,
                          const DialogBaseUnits& units, HyperLinkFactory makeHyperLink) {
    std::vector<QWidget*> created;
    created.reserve(layout.size());
    for (const DialogItem& item : layout) {
        QWidget* control = CreateControl(&dialog, item, makeHyperLink);
        if (item.id != kNoId) {
            control->setObjectName(QString::number(item.id));
        }
        QRect geometry = units.ToPixels(item.x, item.y, item.width, item.height);
        if (item.kind == ControlKind::kPicture) {
            // A picture takes the size of its bitmap, whatever the layout says.
            geometry.setSize(static_cast<QLabel*>(control)->pixmap().size());
        }
        control->setGeometry(geometry);
        if (item.visibility == Visibility::kHidden) {
            control->hide();
        }
        created.push_back(control);
    }
    // The first control of the layout lies on top of the later ones.
    for (QWidget* control : created) {
        control->lower();
    }
}
