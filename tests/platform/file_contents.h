#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Writes `contents` to the file at `path`, making its folder first, and gives
// it `permissions`; a failing step fails the calling test.
void WriteFile(const QString& path, const QByteArray& contents,
               QFileDevice::Permissions permissions = QFileDevice::ReadOwner |
                                                      QFileDevice::WriteOwner);

// The contents of the file at `path`, or "(unreadable)".
QByteArray ReadFile(const QString& path);
