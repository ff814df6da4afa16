#pragma once

#include <QString>
#include <QStringList>

// The bets Lumo Reducir opened last, newest first, kept in the user's
// settings between sessions.
class RecentBets {
  public:
    static constexpr int kMost = 8;

    // The remembered paths that still name a file.
    static QStringList Paths();
    // Puts `path` first, dropping an older entry of it and the oldest past kMost.
    static void Add(const QString& path);
    // The name a bet is shown by: its file name, with its folder when another
    // remembered bet has the same file name in another folder.
    static QString ShownName(const QString& path);
};
