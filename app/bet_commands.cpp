// The bet file commands: OnOpenBet, OnSaveBet and OnCopyBet.
#include <QDir>
#include <QFile>
#include <QString>
#include <filesystem>
#include <string>

#include "app/lumo_dlg.h"
#include "betfile/bet_messages.h"
#include "betfile/bet_reader.h"
#include "betfile/bet_writer.h"
#include "betfile/clipboard_text.h"
#include "platform/bet_clipboard.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "platform/text_file_request.h"

using namespace lumo;

namespace {

std::filesystem::path FileSystemPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// The name the messages show: the path as the user chose it.
std::string ShownName(const QString& path) {
    return QDir::toNativeSeparators(path).toStdString();
}

// "apuesta.txt" proposed; a file saved over is replaced without a question.
FileDialogRequest BetFileRequest(FileDialogMode mode) {
    return TextFileRequest(mode, QStringLiteral("apuesta.txt"), OverwriteQuestion::kNone);
}

}  // namespace

void CLumoDlg::OnOpenBet() {
    const QString path = AskFileName(this, BetFileRequest(FileDialogMode::kOpen));
    if (path.isEmpty()) {
        return;
    }
    BetReadResult result;
    RunCommand(CommandCursor::kNormal,
               [this, &path, &result] { result = ReadBet(FileSystemPath(path), *bet); });
    // The complete columns read before a fault stay; the message says how
    // many. A lack of memory is one of these faults.
    if (result.end != BetReadEnd::kComplete) {
        ShowMessage(this, FromUtf8(BetReadMessage(ShownName(path), result)));
    }
}

void CLumoDlg::OnSaveBet() {
    const QString path = AskFileName(this, BetFileRequest(FileDialogMode::kSave));
    if (path.isEmpty()) {
        return;
    }
    const SaveResult result = WriteBet(FileSystemPath(path), *bet);
    if (!result.Saved()) {
        ShowMessage(this, FromUtf8(BetSaveMessage(ShownName(path), result)));
    }
}

void CLumoDlg::OnCopyBet() {
    CopyBetToClipboard(this, *bet, {kClipboardColumnLimit, FromUtf8(kCopyLimitText)});
}
