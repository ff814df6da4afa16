// The compiled-in images load, each under its number.
#include <QFile>
#include <QIcon>
#include <QSvgRenderer>
#include <QtTest>

#include "platform/icon_resources.h"

class IconResourcesTest : public QObject {
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
};

QTEST_MAIN(IconResourcesTest)
#include "icon_resources_test.moc"
