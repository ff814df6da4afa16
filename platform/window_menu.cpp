#include "platform/window_menu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace {

constexpr unsigned kCommandNumberMask = 0xFFF0;

}  // namespace

bool IsAboutCommand(unsigned command) {
    return (command & kCommandNumberMask) == kAboutCommand;
}

bool IsCloseCommand(unsigned command) {
    return (command & kCommandNumberMask) == kCloseCommand;
}

CWindowMenu::CWindowMenu(QWidget& window)
    : QObject(&window), window(window), menu(new QMenu(&window)) {
    AddEntry(QStringLiteral("&Cerrar"), kCloseCommand);
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), &window);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this,
            [this] { Popup(this->window.mapToGlobal(QPoint(0, 0))); });
    window.installEventFilter(this);
}

void CWindowMenu::AppendEntry(const QString& text, unsigned command) {
    if (text.isEmpty()) {
        return;
    }
    menu->addSeparator();
    AddEntry(text, command);
}

void CWindowMenu::Popup(QPoint globalPosition) {
    menu->popup(globalPosition);
}

void CWindowMenu::AddEntry(const QString& text, unsigned command) {
    QAction* action = menu->addAction(text);
    connect(action, &QAction::triggered, this, [this, command] { Q_EMIT systemCommand(command); });
}

bool CWindowMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window && event->type() == QEvent::ContextMenu) {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        // Only the background: controls that take the mouse keep their own menus.
        if (window.childAt(request->pos()) == nullptr) {
            Popup(request->globalPos());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
