#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Opening a web address in the user's browser, with result codes in the
// style of the Windows shell: a value above 32 is success, the others are
// the error codes whose texts OpenErrorText gives.
//
// The steps, and the code each failure gives:
// 1. The desktop's own opener (QDesktopServices::openUrl, that is xdg-open).
//    Success gives kOpenSucceeded; failure is remembered as the desktop's
//    result, kNoAssociation (31).
// 2. The default web browser's desktop entry, from
//    `xdg-mime query default x-scheme-handler/http`. No xdg-mime, no answer,
//    or no entry of that name in the XDG application folders: the desktop's
//    result, 31.
// 3. The entry's Exec= line of its [Desktop Entry] group, cut at its first
//    field code %u, %U, %f or %F (before the quote of a quoted one). No Exec
//    line, or nothing left before the field code: kIncompleteAssociation (27).
// 4. The cut line split into arguments (desktop-entry quoting), the address
//    appended as one more argument, run without a shell. Program not found:
//    kFileNotFound (2); a program path whose folder does not exist:
//    kPathNotFound (3); found but not executable: kAccessDenied (5); found
//    and executable but it would not start: kInvalidProgram (11); started:
//    kOpenSucceeded (33).

inline constexpr int kOpenSucceeded = 33;
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kAccessDenied = 5;
inline constexpr int kInvalidProgram = 11;
inline constexpr int kIncompleteAssociation = 27;
inline constexpr int kNoAssociation = 31;

// What the opener asks of the system, so that tests can answer instead.
struct OpenerSystem {
    // Opens the address with the desktop's opener; true on success.
    std::function<bool(const QString& address)> openWithDesktop;
    // The file name of the default browser's desktop entry ("firefox.desktop"),
    // empty when none is known.
    std::function<QString()> defaultBrowserEntry;
    // Starts `program` with `arguments`, detached, and returns a result code.
    std::function<int(const QString& program, const QStringList& arguments)> launch;
};

// The real system: QDesktopServices, xdg-mime and LaunchDetached.
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

// Starts `program` with `arguments` without a shell and without waiting,
// with the codes of step 4 above. A program without a slash is looked for in
// PATH.
int LaunchDetached(const QString& program, const QStringList& arguments);

// The text for a result code: those of the Windows shell's table, or
// "Unknown Error (<code>) occurred." for any other code.
QString OpenErrorText(int code);

// A failed open: a beep, then "Unable to open hyperlink:\n\n" and the text of
// `code` in a message box (message_box.h) over `parent`.
void ReportOpenError(QWidget* parent, int code);
