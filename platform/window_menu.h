#pragma once

#include <QObject>
#include <QPoint>

class QMenu;
class QWidget;

// The window's own system menu. Linux window managers own the title bar's
// menu, so the dialog carries one of its own with the entries of a system
// menu, opened by Alt+Space and by a right click on the window's background.
// Choosing an entry raises a system command with the entry's number.

// Command numbers of the system menu.
inline constexpr unsigned kCloseCommand = 0xF060;
inline constexpr unsigned kAboutCommand = 16;

// True for the commands that open the About box: the low four bits of a
// system command number are ignored.
bool IsAboutCommand(unsigned command);
bool IsCloseCommand(unsigned command);

class CWindowMenu : public QObject {
    Q_OBJECT

  public:
    // A menu holding "Cerrar" for `window`, which it watches for Alt+Space and
    // right clicks. The menu is a child of `window`.
    explicit CWindowMenu(QWidget& window);

    // Appends a separator and the entry `text` with `command`; an empty text
    // appends nothing.
    void AppendEntry(const QString& text, unsigned command);

    // Opens the menu at `globalPosition` without waiting for a choice.
    void Popup(QPoint globalPosition);

    QMenu& Menu() const { return *menu; }

  Q_SIGNALS:
    void systemCommand(unsigned command);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void AddEntry(const QString& text, unsigned command);

    QWidget& window;
    QMenu* menu;
};
