#include "widgets/hyper_link.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTimerEvent>

#include "platform/address_opener.h"

CHyperLink::CHyperLink(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    // Moves are reported without a pressed button, so the hover starts at
    // the first move over the control.
    setMouseTracking(true);
    address = text;
    plainFont = font();
    plainFont.setUnderline(false);
    underlinedFont = plainFont;
    underlinedFont.setUnderline(true);
    PositionToText();
    setCursor(Qt::PointingHandCursor);
    setToolTip(address);
}

void CHyperLink::SetAddress(const QString& newAddress) {
    address = newAddress;
    if (text().isEmpty()) {
        setText(address);
    }
    PositionToText();
    setToolTip(address);
}

void CHyperLink::SetVisited(bool newVisited) {
    visited = newVisited;
    update();
}

void CHyperLink::SetUnderlineMode(UnderlineMode mode) {
    if (mode == underlineMode) {
        return;
    }
    setFont(mode == UnderlineMode::kAlways ? underlinedFont : plainFont);
    update();
    underlineMode = mode;
}

QColor CHyperLink::TextColour() const {
    if (over) {
        return kHoverColour;
    }
    return visited ? kVisitedColour : kLinkColour;
}

void CHyperLink::PositionToText() {
    const QSize textSize = QFontMetrics(underlinedFont).size(Qt::TextSingleLine, text());
    const QRect window = geometry();
    const QRect client = contentsRect();
    const int neededWidth = textSize.width() + (window.width() - client.width());
    const int neededHeight = textSize.height() + (window.height() - client.height());

    int x = window.x();
    int y = window.y();
    int width = window.width();
    int height = window.height();
    if (alignment() & Qt::AlignVCenter) {
        const int shift = (height - neededHeight) / 2;
        y += shift;
        height -= 2 * shift;
    } else {
        height = neededHeight;
    }
    if (alignment() & Qt::AlignHCenter) {
        const int shift = (width - neededWidth) / 2;
        x += shift;
        width -= 2 * shift;
    } else if (alignment() & Qt::AlignRight) {
        x += width - neededWidth;
        width = neededWidth;
    } else {
        width = neededWidth;
    }
    setGeometry(x, y, width, height);
}

void CHyperLink::mouseMoveEvent(QMouseEvent* event) {
    if (!over) {
        over = true;
        if (underlineMode == UnderlineMode::kWhileHovered) {
            setFont(underlinedFont);
        }
        update();
        hoverTimer.start(kHoverPeriodMs, this);
    }
    QLabel::mouseMoveEvent(event);
}

void CHyperLink::mousePressEvent(QMouseEvent* event) {
    // Taking the press makes the release of the same click come here.
    pressed = event->button() == Qt::LeftButton;
    event->setAccepted(pressed);
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    const bool completesClick = pressed && event->button() == Qt::LeftButton;
    pressed = false;
    if (completesClick && rect().contains(event->position().toPoint())) {
        OnClicked();
    }
}

void CHyperLink::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click: its first click has opened the
    // address already, so its release opens nothing.
    pressed = false;
    event->setAccepted(event->button() == Qt::LeftButton);
}

void CHyperLink::timerEvent(QTimerEvent* event) {
    if (event->timerId() != hoverTimer.timerId()) {
        QLabel::timerEvent(event);
        return;
    }
    if (!rect().contains(mapFromGlobal(QCursor::pos()))) {
        over = false;
        hoverTimer.stop();
        if (underlineMode != UnderlineMode::kAlways) {
            setFont(plainFont);
        }
        update();
    }
}

void CHyperLink::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    drawFrame(&painter);
    QPalette textPalette = palette();
    textPalette.setColor(QPalette::WindowText, TextColour());
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), textPalette,
                          isEnabled(), text(), QPalette::WindowText);
}

void CHyperLink::OnClicked() {
    over = false;
    const int result = OpenAddress(address);
    const bool opened = result > 32;
    SetVisited(opened);
    if (!opened) {
        ReportOpenError(this, result);
    }
}
