#include "platform/bet_clipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "betfile/clipboard_text.h"
#include "platform/message_box.h"

using namespace lumo;

namespace {

const QString kNoMemoryForCopyText = QStringLiteral(
    "No hay memoria suficiente para copiar la apuesta. El portapapeles no ha cambiado.");

// The clipboard data of a bet the block holds. May throw std::bad_alloc.
std::unique_ptr<QMimeData> ClipboardData(const CColumnSet& bet) {
    const std::vector<char> block = ClipboardBlock(bet);
    // The block's text is everything before its first zero byte: plain
    // 8-bit text, handed over as such.
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("text/plain"), QByteArray(block.data()));
    return data;
}

}  // namespace

void CopyBetToClipboard(QWidget* parent, const CColumnSet& bet, const CopyLimit& limit) {
    if (bet.Count() > std::min(limit.columns, kClipboardColumnLimit)) {
        ShowMessage(parent, limit.refusal);
        return;
    }
    std::unique_ptr<QMimeData> data;
    try {
        data = ClipboardData(bet);
    } catch (const std::bad_alloc&) {
        ShowMessage(parent, kNoMemoryForCopyText);
        return;
    }
    QGuiApplication::clipboard()->setMimeData(data.release());
}
