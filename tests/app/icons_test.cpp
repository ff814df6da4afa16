// The window and its buttons show their compiled-in images.
#include <QPushButton>
#include <QtTest>

#include "dialog_test_case.h"
#include "platform/icon_resources.h"

class IconsTest : public DialogTestCase {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        RegisterImageResources();
        OpenDialog();
    }

    void cleanupTestCase() { CloseDialog(); }

    void iconButtonsShowTheirIcons_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("icon");
        const std::pair<int, int> buttons[] = {{kSaveBetButton, kSaveIcon},
                                               {kOpenBetButton, kOpenIcon},
                                               {kSortByScoreButton, kSortIcon},
                                               {kAddColumnButton, kAddColumnIcon},
                                               {kWinnerButton, kCheckIcon},
                                               {kReduce1Button, kFunnel1Icon},
                                               {kReduce2Button, kFunnel2Icon},
                                               {kReduce3Button, kFunnel3Icon},
                                               {kReduce4Button, kFunnel4Icon},
                                               {kReduce5Button, kFunnel5Icon},
                                               {kReduce6Button, kFunnel6Icon},
                                               {kReduce7Button, kFunnel7Icon},
                                               {kReduce8Button, kFunnel8Icon},
                                               {kReduce0Button, kFunnel0Icon},
                                               {kDeleteMarkedButton, kDeleteMarkedIcon},
                                               {kRandomColumnsButton, kRandomIcon},
                                               {kDeleteAllButton, kDeleteAllIcon},
                                               {kCopyBetButton, kCopyIcon},
                                               {kConsolidateMarkedButton, kKeyGridIcon},
                                               {kAddNeighboursButton, kBurstSmallIcon},
                                               {kAddNeighbours2Button, kBurstLargeIcon}};
        for (const auto& [id, icon] : buttons) {
            QTest::addRow("%d", id) << id << icon;
        }
    }

    void iconButtonsShowTheirIcons() {
        QFETCH(int, id);
        QFETCH(int, icon);
        const auto* button = ControlById<QPushButton>(*dialog, id);
        QVERIFY(button != nullptr);
        QVERIFY(!button->icon().isNull());
        const QSize size = button->iconSize();
        QVERIFY(size.width() > 8 && size.width() <= button->width());
        QVERIFY(size.height() <= button->height());
        // The very picture of its resource.
        const QImage shown = button->icon().pixmap(size).toImage();
        const QImage resource = QIcon(ImageResourcePath(icon)).pixmap(size).toImage();
        QCOMPARE(shown, resource);
    }

    void windowShowsTheMainIcon() {
        QCOMPARE(dialog->windowIcon().pixmap(32, 32).toImage(),
                 QIcon(ImageResourcePath(kMainIcon)).pixmap(32, 32).toImage());
    }
};

QTEST_MAIN(IconsTest)
#include "icons_test.moc"
