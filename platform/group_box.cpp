#include "platform/group_box.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QPainter>

namespace {

class EtchedGroupBox : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(frame.adjusted(1, 1, 0, 0));
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));

        const int gap = 2;
        const QRect titleRect(metrics.averageCharWidth(), 0,
                              metrics.horizontalAdvance(title()) + 2 * gap, metrics.height());
        painter.fillRect(titleRect, palette().window());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(titleRect, Qt::AlignCenter | Qt::TextSingleLine, title());
    }
};

}  // namespace

QGroupBox* CreateGroupBox(const QString& title, QWidget* parent) {
    return new EtchedGroupBox(title, parent);
}
