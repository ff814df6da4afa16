#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "reducir/reducir_window.h"
#include "seam_answerers.h"

// A window of Lumo Reducir in a temporary folder of bet files, with the
// message boxes answered and recorded and the file dialogs answered with
// `dialogs.answer`.
class ReducirFixture {
  public:
    ReducirFixture();

    // The path of `name` in the folder.
    QString Path(const QString& name) const;
    // Writes a bet file of these 14-sign columns (the count line first).
    QString WriteBet(const QString& name, const QStringList& columns) const;
    // Writes a product bet: every column whose match i is one of the signs
    // choices[i] ("1", "1X", "1X2" ...).
    QString WriteProductBet(const QString& name, const QStringList& choices) const;

    // The child of the window with this object name; fails the test when
    // there is none.
    template <typename Widget>
    Widget* Child(const QString& name) const {
        auto* child = window->findChild<Widget*>(name);
        if (child == nullptr) {
            qFatal("no child %s", qPrintable(name));
        }
        return child;
    }
    QString Text(const QString& labelName) const;
    void Click(const QString& buttonName) const;

    QTemporaryDir folder;
    MessageRecorder messages;
    FileDialogRecorder dialogs;
    std::unique_ptr<ReducirWindow> window;
};

// The columns of a product bet, as WriteProductBet writes them.
QStringList ProductColumns(const QStringList& choices);
