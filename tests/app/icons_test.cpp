// The compiled-in images load, and the window and its buttons show them.
#include <QPushButton>
#include <QSvgRenderer>
#include <QtTest>
#include <memory>

#include "app/control_ids.h"
#include "app/lumo_dlg.h"
#include "platform/icon_resources.h"
#include "window_test_support.h"

class IconsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { RegisterImageResources(); }

    void everyImageLoads_data() {
        QTest::addColumn<int>("number");
        for (const ImageResource& image : ImageResources()) {
            QTest::addRow("%d %s", image.number, image.path) << image.number;
        }
    }

    void everyImageLoads() {
        QFETCH(int, number);
        const QString path = ImageResourcePath(number);
        QVERIFY(QFile::exists(path));
        QVERIFY(QSvgRenderer(path).isValid());
        const QIcon icon(path);
        QVERIFY(!icon.isNull());
        QVERIFY(!icon.pixmap(32, 32).isNull());
    }

    void everyImageOfTheLayoutIsKnown() {
        // The main icon, 21 button icons and the logo.
        QCOMPARE(ImageResources().size(), std::size_t{23});
        for (const int number : {128, 129, 130, 131, 132, 134, 135, 136, 137, 138, 139, 140,
                                 141, 142, 143, 144, 145, 146, 147, 148, 152, 153, 155}) {
            QVERIFY2(!ImageResourcePath(number).isEmpty(), qPrintable(QString::number(number)));
        }
        QVERIFY(ImageResourcePath(133).isEmpty());
    }

    void logoIs125By31() {
        QCOMPARE(QSvgRenderer(ImageResourcePath(kLogoBitmap)).defaultSize(), QSize(125, 31));
    }

    void iconButtonsShowTheirIcons_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("icon");
        const std::pair<int, int> buttons[] = {{kSaveBetButton, 129},
                                               {kOpenBetButton, 130},
                                               {kSortByScoreButton, 131},
                                               {kAddColumnButton, 132},
                                               {kWinnerButton, 134},
                                               {kReduce1Button, 135},
                                               {kReduce2Button, 137},
                                               {kReduce3Button, 138},
                                               {kReduce4Button, 141},
                                               {kReduce5Button, 143},
                                               {kReduce6Button, 144},
                                               {kReduce7Button, 145},
                                               {kReduce8Button, 146},
                                               {kReduce0Button, 142},
                                               {kDeleteMarkedButton, 136},
                                               {kRandomColumnsButton, 139},
                                               {kDeleteAllButton, 140},
                                               {kCopyBetButton, 147},
                                               {kConsolidateMarkedButton, 148},
                                               {kAddNeighboursButton, 152},
                                               {kAddNeighbours2Button, 153}};
        for (const auto& [id, icon] : buttons) {
            QTest::addRow("%d", id) << id << icon;
        }
    }

    void iconButtonsShowTheirIcons() {
        QFETCH(int, id);
        QFETCH(int, icon);
        const ScopedEmptyWorkingDirectory workingDirectory;
        ProgramTables tables;
        const CLumoDlg dialog(tables);
        const auto* button = ControlById<QPushButton>(dialog, id);
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
        const ScopedEmptyWorkingDirectory workingDirectory;
        ProgramTables tables;
        const CLumoDlg dialog(tables);
        QCOMPARE(dialog.windowIcon().pixmap(32, 32).toImage(),
                 QIcon(ImageResourcePath(kMainIcon)).pixmap(32, 32).toImage());
    }
};

QTEST_MAIN(IconsTest)
#include "icons_test.moc"
