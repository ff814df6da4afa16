#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>

class QWidget;

// Opening a web address in the user's browser, with result codes in the
// style of the Windows shell: a value above 32 is success, the others are
// the error codes whose texts OpenErrorText gives.
//
// The steps, and the code each failure gives:
// 1. The desktop's own opener, xdg-open, run with the address by RunOpener.
//    Success gives kOpenSucceeded; a failure's code (kNoAssociation when
//    there is no xdg-open) is remembered as the desktop's result.
// 2. The default web browser's desktop entry, from
//    `xdg-mime query default x-scheme-handler/http`. No xdg-mime, no answer,
//    or no entry of that name in the XDG application folders: the desktop's
//    result.
// 3. The entry's Exec= line of its [Desktop Entry] group, cut at its first
//    field code %u, %U, %f or %F (before the quote of a quoted one). No Exec
//    line, or nothing left before the field code: kIncompleteAssociation (27).
// 4. The cut line split into arguments (desktop-entry quoting), the address
//    appended as one more argument, run by RunOpener.
//
// RunOpener's codes: program not found: kFileNotFound (2); a program path
// whose folder does not exist: kPathNotFound (3); found but not executable:
// kAccessDenied (5); found and executable but it would not start:
// kInvalidProgram (11). A started program is waited for, at most
// kOpenerWait: exit status 0, or still running then (a browser that stays),
// gives kOpenSucceeded (33); the failures of xdg-open's exit statuses give
// kFileNotFound for 2 (a file that does not exist), kNoAssociation for 3 (no
// program to open it with), and kIncompleteAssociation for any other status
// or an end by a signal.

inline constexpr int kOpenSucceeded = 33;
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kAccessDenied = 5;
inline constexpr int kInvalidProgram = 11;
inline constexpr int kIncompleteAssociation = 27;
inline constexpr int kNoAssociation = 31;

// How long RunOpener waits for the program it started.
inline constexpr std::chrono::milliseconds kOpenerWait{3000};

// What the opener asks of the system, so that tests can answer instead.
struct OpenerSystem {
    // Opens the address with the desktop's opener; returns a result code.
    std::function<int(const QString& address)> openWithDesktop;
    // The file name of the default browser's desktop entry ("firefox.desktop"),
    // empty when none is known.
    std::function<QString()> defaultBrowserEntry;
    // Runs `program` with `arguments` and returns a result code.
    std::function<int(const QString& program, const QStringList& arguments)> launch;
};

// The real system: xdg-open, xdg-mime and RunOpener.
OpenerSystem DesktopOpenerSystem();

// Opens `address` through `system` as the steps above say; returns the code.
int OpenAddress(const QString& address, const OpenerSystem& system);

// Opens `address` with the installed opener (by default OpenAddress over
// DesktopOpenerSystem). The hyperlink control opens its address with it.
int OpenAddress(const QString& address);

// Replaces the opener until it is reset with an empty function, so that
// tests never start a browser.
using AddressOpener = std::function<int(const QString& address)>;
void SetAddressOpener(AddressOpener opener);

// The folders where desktop entries are looked for, in order of preference:
// $XDG_DATA_HOME/applications (default ~/.local/share), then
// <dir>/applications for each folder of $XDG_DATA_DIRS (default
// /usr/local/share:/usr/share).
QStringList ApplicationFolders();

// The path of the desktop entry `entryName` in the first folder of
// ApplicationFolders that holds it, or an empty text.
QString FindDesktopEntry(const QString& entryName);

// The value of the first Exec= key of the [Desktop Entry] group of the file,
// or an empty text when the file cannot be read or has none.
QString ReadExecLine(const QString& desktopEntryPath);

// The Exec line cut at its first field code %u, %U, %f or %F; a code in
// double quotes is cut before its opening quote. "%%" is a literal percent
// sign, not the start of a code. A line without a code is kept whole.
QString CutAtFieldCode(const QString& execLine);

// The fallback's command line: the cut Exec line, a blank and the address.
QString FallbackCommandLine(const QString& execLine, const QString& address);

// The fallback's arguments: the cut Exec line split the way desktop entries
// quote, the program first, then the address as one argument whatever it
// holds. Empty when the cut line holds no program.
QStringList FallbackArguments(const QString& execLine, const QString& address);

// Starts `program` with `arguments` without a shell and waits for it at most
// `wait`, with the codes given above. A program without a slash is looked
// for in PATH. A program still running when the wait ends goes on by itself.
int RunOpener(const QString& program, const QStringList& arguments,
              std::chrono::milliseconds wait = kOpenerWait);

// The text for a result code: those of the Windows shell's table, or
// "Unknown Error (<code>) occurred." for any other code.
QString OpenErrorText(int code);

// A failed open: a beep, then "Unable to open hyperlink:\n\n" and the text of
// `code` in a message box (message_box.h) over `parent`.
void ReportOpenError(QWidget* parent, int code);
