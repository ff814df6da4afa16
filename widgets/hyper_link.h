#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>

// A static text that shows a web address and behaves as a link: drawn in the
// link colour (the visited colour once an open succeeded), red while the
// pointer is over it, with a hand cursor and the address as its tooltip. A
// left click opens the address with OpenAddress (address_opener.h), a double
// click only once; a failure beeps and shows the error message, and the
// control stays usable.
//
// Hover: the first mouse move over the control sets it hovered and starts a
// 100 ms timer; a tick that finds the pointer outside turns it back and
// stops the timer. The background is filled with the button-face colour.
class CHyperLink : public QLabel {
    Q_OBJECT

  public:
    enum class UnderlineMode { kNever = 0, kAlways = 1, kWhileHovered = -1 };

    static constexpr QColor kLinkColour{0, 0, 238};
    static constexpr QColor kVisitedColour{85, 26, 139};
    static constexpr QColor kHoverColour{255, 0, 0};
    static constexpr int kHoverPeriodMs = 100;

    // A link showing `text`; the address is taken from the text until
    // SetAddress gives one. Takes the font it inherits as its plain font.
    explicit CHyperLink(const QString& text = QString(), QWidget* parent = nullptr);

    // Stores the address, shows it as the text when the text is empty, fits
    // the control to its text (PositionToText) and makes it the tooltip.
    void SetAddress(const QString& address);
    QString Address() const { return address; }

    // Stores the visited flag and repaints.
    void SetVisited(bool visited);
    bool Visited() const { return visited; }

    // Sets the underlined font (kAlways) or the plain font (the others) and
    // repaints; nothing when the mode is already the current one.
    void SetUnderlineMode(UnderlineMode mode);
    UnderlineMode Underline() const { return underlineMode; }

    bool Hovered() const { return over; }

    // The colour the text is drawn in now: hover, else visited, else link.
    QColor TextColour() const;

    // Resizes the control to its text measured in the underlined font plus
    // its frame: a vertically centred control keeps its vertical centre,
    // any other its top; a horizontally centred one keeps its centre (it
    // shrinks or grows by the same amount on both sides), a right-aligned one
    // its right edge, any other its left edge.
    void PositionToText();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void OnClicked();

    bool over = false;
    // A left press began a click that its release completes.
    bool pressed = false;
    bool visited = false;
    UnderlineMode underlineMode = UnderlineMode::kWhileHovered;
    QString address;
    QFont underlinedFont;
    QFont plainFont;
    QBasicTimer hoverTimer;
};
