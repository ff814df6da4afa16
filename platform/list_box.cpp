#include "platform/list_box.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

#include "platform/copy_key.h"

namespace {

constexpr int kTextIndent = 2;

class ListBoxRowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        if (selected) {
            painter->fillRect(option.rect, option.palette.highlight());
        }
        painter->save();
        painter->setFont(option.font);
        painter->setPen(selected ? option.palette.highlightedText().color()
                                 : option.palette.text().color());
        painter->drawText(option.rect.adjusted(kTextIndent, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QFontMetrics metrics(option.font);
        return {kTextIndent + metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()),
                metrics.height()};
    }
};

}  // namespace

QListWidget* CreateListBox(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setFrameStyle(QFrame::Box | QFrame::Plain);
    list->setLineWidth(1);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setUniformItemSizes(true);
    list->setSortingEnabled(false);
    list->setItemDelegate(new ListBoxRowDelegate(list));
    DisableCopyKey(*list);
    return list;
}
