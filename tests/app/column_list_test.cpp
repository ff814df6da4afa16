// The column list: the 500-row cap and the row keys, the descending textual
// sort by a clicked header, and the expectation shown on a double-click.
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTreeWidget>
#include <QtTest>
#include <vector>

#include "app/column_list.h"
#include "core/forecast_table.h"
#include "dialog_test_case.h"
#include "tests/core/test_support.h"

using namespace lumo;

class ColumnListTest : public DialogTestCase {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        OpenDialog(DialogDisplay::kExposed);
        list = List();
    }

    void cleanup() { CloseDialog(); }

    void headersAndWidths() {
        QCOMPARE(list->columnCount(), 3);
        const QTreeWidgetItem* header = list->headerItem();
        QCOMPARE(header->text(0), QStringLiteral("P"));
        QCOMPARE(header->text(1), QStringLiteral("V"));
        QCOMPARE(header->text(2), QStringLiteral("A"));
        QCOMPARE(list->columnWidth(0), 180);
        QCOMPARE(list->columnWidth(1), 30);
        QCOMPARE(list->columnWidth(2), 30);
        QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    }

    void listsAtMost500RowsInBetOrder_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("rows");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("500") << 500 << 500;
        QTest::newRow("501") << 501 << 500;
        QTest::newRow("2000") << 2000 << 500;
    }

    void listsAtMost500RowsInBetOrder() {
        QFETCH(int, count);
        QFETCH(int, rows);
        for (int i = 0; i < count; ++i) {
            dialog->Bet().Append(Scored(kAllColumns - 1 - i, i % 101));
        }
        dialog->RefreshColumnList();

        QCOMPARE(list->topLevelItemCount(), rows);
        for (int row = 0; row < rows; ++row) {
            const QTreeWidgetItem* item = list->topLevelItem(row);
            QCOMPARE(RowKey(*item), row);
            QCOMPARE(item->text(2), QString::number(row));
            QCOMPARE(item->text(1), QString::number(row % 101));
        }
        QCOMPARE(Label(kCountText)->text(), QStringLiteral("%1 cols.").arg(count));
        QCOMPARE(Edit(kRandomCountEdit)->text(), QString::number(count));
    }

    void rowShowsTheColumnsSigns() {
        dialog->Bet().Append(Scored(ColumnOf("1X21X21X21X21X"), -7));
        dialog->RefreshColumnList();
        const QTreeWidgetItem* item = list->topLevelItem(0);
        QCOMPARE(item->text(0), QStringLiteral("1X21X21X21X21X"));
        QCOMPARE(item->text(1), QStringLiteral("-7"));
    }

    void scoresSortAsTextsDescending() {
        ListScores({100, 87, 9, 87, 100});
        ClickHeader(1);
        QCOMPARE(sortColumn, 1);
        QCOMPARE(RowTexts(*list, 1), (QStringList{"9", "87", "87", "100", "100"}));
        // Keys travel with their rows.
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = list->topLevelItem(row);
            QCOMPARE(QString::number(RowKey(*item)), item->text(2));
        }
        QCOMPARE(dialog->Bet()[0].score, 100);  // the bet is not touched
    }

    void indexesSortAsTextsAndAgainTheSame() {
        for (int i = 0; i < 120; ++i) {
            dialog->Bet().Append(Scored(i, 50));
        }
        dialog->RefreshColumnList();
        ClickHeader(2);
        const QStringList once = RowTexts(*list, 2);
        QCOMPARE(once.mid(0, 11),
                 (QStringList{"99", "98", "97", "96", "95", "94", "93", "92", "91", "90", "9"}));
        QVERIFY(once.indexOf("99") < once.indexOf("100"));
        QVERIFY(once.indexOf("100") < once.indexOf("10"));
        QVERIFY(once.indexOf("10") < once.indexOf("1"));
        QCOMPARE(once.last(), QStringLiteral("0"));
        ClickHeader(2);
        QCOMPARE(RowTexts(*list, 2), once);
        for (int position = 0; position < list->topLevelItemCount(); ++position) {
            QCOMPARE(rowOfKey.at(RowKey(*list->topLevelItem(position))), position);
        }
    }

    void compareRowsLooksAtTheFirst49Bytes() {
        dialog->Bet().Append(Scored(0, 0));
        dialog->Bet().Append(Scored(1, 0));
        dialog->RefreshColumnList();
        list->topLevelItem(0)->setText(1, QString(49, 'a') + "b");
        list->topLevelItem(1)->setText(1, QString(49, 'a') + "c");
        sortColumn = 1;
        rowOfKey[0] = 0;
        rowOfKey[1] = 1;
        QCOMPARE(CompareRows(*list, 0, 1), 0);
        // The greater text comes first.
        list->topLevelItem(1)->setText(1, QString(48, 'a') + "b");
        QVERIFY(CompareRows(*list, 0, 1) > 0);
        QVERIFY(CompareRows(*list, 1, 0) < 0);
        // A proper beginning is the smaller text.
        list->topLevelItem(1)->setText(1, QString(10, 'a'));
        QVERIFY(CompareRows(*list, 0, 1) < 0);
    }

    void refreshRestoresBetOrderAndClearsTheSelection() {
        ListScores({5, 70, 300});
        ClickHeader(1);
        list->topLevelItem(0)->setSelected(true);
        dialog->RefreshColumnList();
        QCOMPARE(RowTexts(*list, 2), (QStringList{"0", "1", "2"}));
        QVERIFY(list->selectedItems().isEmpty());
    }

    void headerClickKeepsTheSelectedRows() {
        ListScores({5, 70, 300, 41, 8});
        list->topLevelItem(1)->setSelected(true);
        list->topLevelItem(3)->setSelected(true);
        ClickHeader(1);
        QCOMPARE(RowTexts(*list, 2), (QStringList{"4", "1", "0", "3", "2"}));
        QCOMPARE(SelectedRowKeys(*list), (std::vector<int>{1, 3}));
        ClickHeader(2);
        QCOMPARE(SelectedRowKeys(*list), (std::vector<int>{3, 1}));
    }

    void refreshShowsTheFirstRow() {
        for (int i = 0; i < 500; ++i) {
            dialog->Bet().Append(Scored(i, i % 101));
        }
        dialog->RefreshColumnList();
        list->scrollToBottom();
        QTRY_VERIFY(list->verticalScrollBar()->value() > 0);
        dialog->RefreshColumnList();
        QTRY_COMPARE(list->itemAt(2, 2), list->topLevelItem(0));
        QCOMPARE(list->verticalScrollBar()->value(), 0);
    }

    void copyKeyLeavesTheClipboardAlone_data() {
        QTest::addColumn<int>("id");
        for (const int id : {kColumnList, kForecastList, kExpectationList, kBetSharesList}) {
            QTest::addRow("%d", id) << id;
        }
    }

    void copyKeyLeavesTheClipboardAlone() {
        QFETCH(int, id);
        dialog->Bet().Append(Scored(kAllColumns - 1, 40));
        dialog->RefreshColumnList();
        auto* view = ControlById<QAbstractItemView>(*dialog, id);
        view->setCurrentIndex(view->model()->index(0, 0));
        QGuiApplication::clipboard()->setText(QStringLiteral("left alone"));
        QTest::keySequence(view, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("left alone"));
    }

    void headerClickOnAnEmptyListChangesNothing() {
        ClickHeader(0);
        QCOMPARE(list->topLevelItemCount(), 0);
    }

    void doubleClickShowsTheExpectationOfTheRowsOwnColumn() {
        // Factors 1.00 for 1, 2.00 for X, 0.50 for 2: a column's expectation
        // is 2 to the power of its Xs less its 2s.
        tables.expectation = TableOf({100, 200, 50});
        for (const auto& [signs, score] : {std::pair{"11111111111111", 30},
                                           {"X1111111111111", 100},
                                           {"XX111111111111", 9},
                                           {"21111111111111", 87}}) {
            dialog->Bet().Append(Scored(ColumnOf(signs), score));
        }
        dialog->RefreshColumnList();
        ClickHeader(1);  // rows: 9 (XX), 87 (2), 30 (1), 100 (X)

        DoubleClickRow(0);
        DoubleClickRow(1);
        DoubleClickRow(3);
        QCOMPARE(probe->MessageTexts(), (QStringList{"4.000", "0.500", "2.000"}));
    }

    void doubleClickBelowTheRowsShowsNothing() {
        dialog->Bet().Append(Scored(0, 1));
        dialog->RefreshColumnList();
        const QPoint belowTheRows(10, list->viewport()->height() - 3);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, belowTheRows);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, belowTheRows);
        dialog->OnListDoubleClick(nullptr);
        QVERIFY(probe->messages.isEmpty());
    }

  private:
    // Lists a bet of columns 0, 1, ... carrying these scores.
    void ListScores(std::initializer_list<int> scores) {
        for (const int score : scores) {
            dialog->Bet().Append(Scored(dialog->Bet().Count(), score));
        }
        dialog->RefreshColumnList();
    }

    void ClickHeader(int section) {
        QHeaderView* header = list->header();
        const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }

    void DoubleClickRow(int row) {
        const QPoint center = list->visualItemRect(list->topLevelItem(row)).center();
        // A real double-click: a click, then the second press that doubles it.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, center);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, center);
    }

    QTreeWidget* list = nullptr;
};

QTEST_MAIN(ColumnListTest)
#include "column_list_test.moc"
