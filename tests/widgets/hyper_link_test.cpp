// The web-address control: its colours and underline in each state, the
// hover that the timer ends, the click with the opener answered by the test,
// the fitting to its text, and its place in the main dialog.
#include <QImage>
#include <QtTest>
#include <memory>

#include "event_counter.h"
#include "open_error_rows.h"
#include "platform/address_opener.h"
#include "platform/dialog_units.h"
#include "seam_answerers.h"
#include "widgets/hyper_link.h"
#include "window_test_support.h"

namespace {

const QString kAddress = QStringLiteral("https://lumo.example.org/");

// Whether some pixel of the control, as it paints itself, has `colour`.
bool PaintsColour(QWidget& widget, const QColor& colour) {
    const QImage image = widget.grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).rgb() == colour.rgb()) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

class HyperLinkTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        window = std::make_unique<QWidget>();
        window->resize(400, 120);
        link = new CHyperLink(QString(), window.get());
        link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        link->setGeometry(20, 40, 360, 20);
        link->SetAddress(kAddress);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTest::mouseMove(window.get(), QPoint(5, 5));
        opened.clear();
        messages = std::make_unique<MessageRecorder>();
    }

    void cleanup() {
        SetAddressOpener({});
        messages.reset();
        window.reset();
    }

    void showsItsAddressWithTooltipAndHandCursor() {
        QCOMPARE(link->text(), kAddress);
        QCOMPARE(link->Address(), kAddress);
        QCOMPARE(link->toolTip(), kAddress);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);

        // A text of its own stays; the address is still what the tooltip shows.
        CHyperLink titled(QStringLiteral("Lumo"), window.get());
        titled.SetAddress(kAddress);
        QCOMPARE(titled.text(), QStringLiteral("Lumo"));
        QCOMPARE(titled.toolTip(), kAddress);
    }

    void colourFollowsHoverAndVisited() {
        SetOpenerResult(42);
        QCOMPARE(link->TextColour(), CHyperLink::kLinkColour);
        QVERIFY(PaintsColour(*link, CHyperLink::kLinkColour));

        Hover();
        QCOMPARE(link->TextColour(), CHyperLink::kHoverColour);
        QVERIFY(PaintsColour(*link, CHyperLink::kHoverColour));
        QVERIFY(!PaintsColour(*link, CHyperLink::kLinkColour));

        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opened, QStringList{kAddress});
        QVERIFY(messages->requests.isEmpty());
        Leave();
        QVERIFY(link->Visited());
        QCOMPARE(link->TextColour(), CHyperLink::kVisitedColour);
        QVERIFY(PaintsColour(*link, CHyperLink::kVisitedColour));

        // Visited or not, the pointer over it makes it red.
        Hover();
        QCOMPARE(link->TextColour(), CHyperLink::kHoverColour);
        Leave();

        // A later failed open turns it back to the link colour.
        SetOpenerResult(kNoAssociation);
        QTest::mouseClick(link, Qt::LeftButton);
        Leave();
        QVERIFY(!link->Visited());
        QCOMPARE(link->TextColour(), CHyperLink::kLinkColour);
        QVERIFY(PaintsColour(*link, CHyperLink::kLinkColour));
        QVERIFY(!PaintsColour(*link, CHyperLink::kVisitedColour));
    }

    void backgroundIsTheButtonFace() {
        QPalette palette = link->palette();
        palette.setColor(QPalette::Button, QColor(12, 200, 34));
        link->setPalette(palette);
        const QImage image = link->grab().toImage();
        QCOMPARE(image.pixelColor(0, 0), QColor(12, 200, 34));
        QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), QColor(12, 200, 34));
    }

    void failedOpenBeepsAndReports_data() {
        AddOpenErrorRows(QStringLiteral("Unable to open hyperlink:\n\n"),
                         OpenErrorRows::kFailuresOnly);
    }

    void failedOpenBeepsAndReports() {
        QFETCH(int, code);
        QFETCH(QString, text);
        SetOpenerResult(code);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(messages->Texts(), QStringList{text});
        QVERIFY(!link->Visited());

        // The control stays usable: a later click tries again.
        SetOpenerResult(33);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opened.size(), 2);
        QCOMPARE(messages->requests.size(), 1);
        QVERIFY(link->Visited());
    }

    void onlyALeftClickOpens() {
        SetOpenerResult(42);
        QTest::mouseClick(link, Qt::RightButton);
        QVERIFY(opened.isEmpty());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opened.size(), 1);
    }

    void doubleClickOpensOnce() {
        SetOpenerResult(42);
        // What the system delivers for a double click: press, release,
        // press, double click, release.
        QTest::mousePress(link, Qt::LeftButton);
        QTest::mouseRelease(link, Qt::LeftButton);
        QTest::mousePress(link, Qt::LeftButton);
        QTest::mouseDClick(link, Qt::LeftButton);
        QTest::mouseRelease(link, Qt::LeftButton);
        QCOMPARE(opened.size(), 1);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opened.size(), 2);
    }

    // The system's own opener, a program that fails with exit status 3: the
    // click beeps and reports it, and the link is not visited.
    void failingSystemOpenerIsReported() {
        FakePrograms programs;
        programs.Add(QStringLiteral("xdg-open"), "exit 3");
        programs.Add(QStringLiteral("xdg-mime"), "exit 1");
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(messages->Texts(),
                 QStringList{QStringLiteral("Unable to open hyperlink:\n\nThere is no application "
                                            "associated\nwith the given filename extension.")});
        QVERIFY(!link->Visited());
    }

    void underlineModes_data() {
        QTest::addColumn<CHyperLink::UnderlineMode>("mode");
        QTest::addColumn<bool>("atRest");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<bool>("afterLeaving");
        QTest::newRow("while hovered")
            << CHyperLink::UnderlineMode::kWhileHovered << false << true << false;
        QTest::newRow("always") << CHyperLink::UnderlineMode::kAlways << true << true << true;
        QTest::newRow("never") << CHyperLink::UnderlineMode::kNever << false << false << false;
    }

    void underlineModes() {
        QFETCH(CHyperLink::UnderlineMode, mode);
        QFETCH(bool, atRest);
        QFETCH(bool, hovered);
        QFETCH(bool, afterLeaving);
        QVERIFY(link->Underline() == CHyperLink::UnderlineMode::kWhileHovered);
        link->SetUnderlineMode(mode);
        QVERIFY(link->Underline() == mode);
        QCOMPARE(link->font().underline(), atRest);
        Hover();
        QCOMPARE(link->font().underline(), hovered);
        Leave();
        QCOMPARE(link->font().underline(), afterLeaving);
    }

    void leavingEndsTheHoverAtTheNextTick() {
        EventCounter ticks(*link, QEvent::Timer);
        Hover();
        // While the pointer stays over it, the ticks leave it hovered.
        QTRY_VERIFY(ticks.count >= 3);
        QVERIFY(link->Hovered());

        ticks.count = 0;
        QTest::mouseMove(window.get(), QPoint(5, 5));
        QTRY_VERIFY(!link->Hovered());
        QCOMPARE(ticks.count, 1);
        QCOMPARE(link->TextColour(), CHyperLink::kLinkColour);
        QVERIFY(!link->font().underline());

        // The timer stopped with the hover.
        QTest::qWait(3 * CHyperLink::kHoverPeriodMs);
        QCOMPARE(ticks.count, 1);
    }

    void fitsItsTextAboutTheCentre_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("width");
        QTest::newRow("centred, wider than the text") << int(Qt::AlignHCenter) << 360;
        QTest::newRow("centred, narrower than the text") << int(Qt::AlignHCenter) << 20;
        QTest::newRow("centred, odd difference") << int(Qt::AlignHCenter) << 301;
        QTest::newRow("left") << int(Qt::AlignLeft) << 360;
        QTest::newRow("right") << int(Qt::AlignRight) << 360;
        QTest::newRow("centred both ways") << int(Qt::AlignCenter) << 360;
    }

    void fitsItsTextAboutTheCentre() {
        QFETCH(int, alignment);
        QFETCH(int, width);
        CHyperLink fitted(QString(), window.get());
        fitted.setAlignment(Qt::Alignment(alignment));
        const QRect before(20, 30, width, 40);
        fitted.setGeometry(before);
        fitted.SetAddress(kAddress);

        QFont underlined = fitted.font();
        underlined.setUnderline(true);
        const QSize text = QFontMetrics(underlined).size(Qt::TextSingleLine, kAddress);
        const QRect after = fitted.geometry();
        QVERIFY(qAbs(after.width() - text.width()) <= 1);
        QVERIFY(qAbs(after.height() - text.height()) <= 1);
        if (alignment & Qt::AlignHCenter) {
            QVERIFY(qAbs(after.center().x() - before.center().x()) <= 1);
        } else if (alignment & Qt::AlignRight) {
            QCOMPARE(after.right(), before.right());
        } else {
            QCOMPARE(after.left(), before.left());
        }
        if (alignment & Qt::AlignVCenter) {
            QVERIFY(qAbs(after.center().y() - before.center().y()) <= 1);
        } else {
            QCOMPARE(after.top(), before.top());
        }
    }

  private:
    void SetOpenerResult(int result) {
        SetAddressOpener([this, result](const QString& address) {
            opened.append(address);
            return result;
        });
    }

    void Hover() {
        QTest::mouseMove(link, link->rect().center());
        QVERIFY(link->Hovered());
    }

    void Leave() {
        QTest::mouseMove(window.get(), QPoint(5, 5));
        QTRY_VERIFY(!link->Hovered());
    }

    std::unique_ptr<QWidget> window;
    CHyperLink* link = nullptr;
    QStringList opened;
    std::unique_ptr<MessageRecorder> messages;
};

QTEST_MAIN(HyperLinkTest)
#include "hyper_link_test.moc"
