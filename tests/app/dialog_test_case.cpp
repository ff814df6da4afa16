#include "dialog_test_case.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTreeWidget>
#include <QtTest>

#include "tests/core/test_support.h"

using namespace lumo;

void DialogTestCase::OpenDialog(DialogDisplay display) {
    if (!workingDirectory) {
        workingDirectory = std::make_unique<ScopedEmptyWorkingDirectory>();
    }
    tables = ProgramTables();
    dialog = std::make_unique<CLumoDlg>(tables);
    probe = std::make_unique<CommandProbe>(*dialog);
    if (display == DialogDisplay::kHidden) {
        return;
    }
    dialog->show();
    if (display == DialogDisplay::kExposed) {
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    } else {
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }
}

void DialogTestCase::CloseDialog() {
    probe.reset();
    dialog.reset();
    workingDirectory.reset();
}

void DialogTestCase::Click(int id) {
    auto* button = ControlById<QAbstractButton>(*dialog, id);
    QVERIFY(button != nullptr);
    QVERIFY(!button->isHidden());
    button->click();
}

void DialogTestCase::ClickHidden(int id) {
    auto* button = ControlById<QAbstractButton>(*dialog, id);
    QVERIFY(button != nullptr);
    QVERIFY(button->isHidden());
    button->click();
}

void DialogTestCase::Type(int id, const QString& text) {
    Edit(id)->setText(text);
}

QLineEdit* DialogTestCase::Edit(int id) const {
    return ControlById<QLineEdit>(*dialog, id);
}

QLabel* DialogTestCase::Label(int id) const {
    return ControlById<QLabel>(*dialog, id);
}

QTreeWidget* DialogTestCase::List() const {
    return ControlById<QTreeWidget>(*dialog, kColumnList);
}

QProgressBar* DialogTestCase::Bar() const {
    return ControlById<QProgressBar>(*dialog, kProgressBar);
}

void DialogTestCase::SetColumns(const std::vector<CColumn>& columns) {
    CColumnSet& bet = dialog->Bet();
    bet.Truncate(0);
    for (const CColumn& column : columns) {
        bet.AppendNoGrow(column);
    }
    dialog->RefreshColumnList();
    probe->Reset();
}

void DialogTestCase::SetBet(const std::vector<int>& indices) {
    std::vector<CColumn> columns;
    for (const int index : indices) {
        CColumn column(index);
        column.score = column.ComputeScore(tables.scoring);
        columns.push_back(column);
    }
    SetColumns(columns);
}
