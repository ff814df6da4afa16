// Opening an address: the fallback's command line from the browser's desktop
// entry, the result codes of each failure, and their texts. No test starts a
// browser: the desktop opener and the launch are answered by the tests.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "file_contents.h"
#include "open_error_rows.h"
#include "platform/address_opener.h"
#include "seam_answerers.h"

namespace {

const QString kAddress = QStringLiteral("https://lumo.example.org/");

// Points the XDG data folders at two temporary folders for its lifetime.
class ScopedDataFolders {
  public:
    ScopedDataFolders() {
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        qputenv("XDG_DATA_DIRS",
                (first.path() + QStringLiteral(":") + second.path()).toLocal8Bit());
    }
    ~ScopedDataFolders() {
        Restore("XDG_DATA_HOME", previousHome);
        Restore("XDG_DATA_DIRS", previousDirs);
    }

    QTemporaryDir home;
    QTemporaryDir first;
    QTemporaryDir second;

  private:
    static std::optional<QByteArray> Saved(const char* name) {
        if (!qEnvironmentVariableIsSet(name)) {
            return std::nullopt;
        }
        return qgetenv(name);
    }
    static void Restore(const char* name, const std::optional<QByteArray>& value) {
        if (value) {
            qputenv(name, *value);
        } else {
            qunsetenv(name);
        }
    }

    std::optional<QByteArray> previousHome = Saved("XDG_DATA_HOME");
    std::optional<QByteArray> previousDirs = Saved("XDG_DATA_DIRS");
};

struct Launch {
    QString program;
    QStringList arguments;
};

// A system whose desktop opener fails, whose default browser is `entry`, and
// whose launches are recorded and answered with `launchResult`.
OpenerSystem FakeSystem(const QString& entry, std::optional<Launch>& launched,
                        int launchResult = kOpenSucceeded) {
    return {
        [](const QString&) { return kNoAssociation; },
        [entry] { return entry; },
        [&launched, launchResult](const QString& program, const QStringList& arguments) {
            launched = Launch{program, arguments};
            return launchResult;
        },
    };
}

}  // namespace

class AddressOpenerTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void commandLineIsCutAtTheFirstFieldCode_data() {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("bare %u") << QStringLiteral("firefox-esr %u")
                                 << QStringLiteral("firefox-esr  ") + kAddress
                                 << QStringList{QStringLiteral("firefox-esr"), kAddress};
        QTest::newRow("quoted %U")
            << QStringLiteral("\"/opt/web browser/browser\" --new-window \"%U\" --extra")
            << QStringLiteral("\"/opt/web browser/browser\" --new-window  ") + kAddress
            << QStringList{QStringLiteral("/opt/web browser/browser"),
                           QStringLiteral("--new-window"), kAddress};
        QTest::newRow("%f before %u")
            << QStringLiteral("viewer --file %f --url %u")
            << QStringLiteral("viewer --file  ") + kAddress
            << QStringList{QStringLiteral("viewer"), QStringLiteral("--file"), kAddress};
        QTest::newRow("%F") << QStringLiteral("viewer %F") << QStringLiteral("viewer  ") + kAddress
                            << QStringList{QStringLiteral("viewer"), kAddress};
        QTest::newRow("no field code")
            << QStringLiteral("browser --private")
            << QStringLiteral("browser --private ") + kAddress
            << QStringList{QStringLiteral("browser"), QStringLiteral("--private"), kAddress};
        QTest::newRow("literal percent")
            << QStringLiteral("browser --zoom=100%%u %u")
            << QStringLiteral("browser --zoom=100%%u  ") + kAddress
            << QStringList{QStringLiteral("browser"), QStringLiteral("--zoom=100%%u"), kAddress};
        QTest::newRow("other field code kept")
            << QStringLiteral("browser %i %u") << QStringLiteral("browser %i  ") + kAddress
            << QStringList{QStringLiteral("browser"), QStringLiteral("%i"), kAddress};
        QTest::newRow("only a field code")
            << QStringLiteral("%u") << QStringLiteral(" ") + kAddress << QStringList{};
        QTest::newRow("empty") << QString() << QStringLiteral(" ") + kAddress << QStringList{};
    }

    void commandLineIsCutAtTheFirstFieldCode() {
        QFETCH(QString, exec);
        QFETCH(QString, commandLine);
        QFETCH(QStringList, arguments);
        QCOMPARE(FallbackCommandLine(exec, kAddress), commandLine);
        QCOMPARE(FallbackArguments(exec, kAddress), arguments);
    }

    void addressStaysOneArgument() {
        const QString address = QStringLiteral("https://example.org/a b\"c");
        QCOMPARE(FallbackArguments(QStringLiteral("browser %u"), address),
                 (QStringList{QStringLiteral("browser"), address}));
    }

    void execLineComesFromTheMainGroup() {
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("web.desktop"));
        WriteFile(path,
                  "[Desktop Action new-window]\nExec=web --new-window %u\n"
                  "[Desktop Entry]\nName=Web\nExec = \"/opt/my\\sweb/web\" --x \"a\\\\\\\\b\" %u\n"
                  "[Desktop Action private]\nExec=web --private %u\n");
        const QString exec = ReadExecLine(path);
        QCOMPARE(exec, QStringLiteral("\"/opt/my web/web\" --x \"a\\\\b\" %u"));
        QCOMPARE(FallbackArguments(exec, kAddress),
                 (QStringList{QStringLiteral("/opt/my web/web"), QStringLiteral("--x"),
                              QStringLiteral("a\\b"), kAddress}));
        QVERIFY(ReadExecLine(folder.filePath(QStringLiteral("missing.desktop"))).isEmpty());
    }

    void desktopEntryIsFoundInTheDataFoldersInOrder() {
        const ScopedDataFolders folders;
        QCOMPARE(ApplicationFolders(),
                 (QStringList{folders.home.path() + QStringLiteral("/applications"),
                              folders.first.path() + QStringLiteral("/applications"),
                              folders.second.path() + QStringLiteral("/applications")}));
        const QString inSecond =
            folders.second.filePath(QStringLiteral("applications/web.desktop"));
        WriteFile(inSecond, "[Desktop Entry]\nExec=second %u\n");
        QCOMPARE(FindDesktopEntry(QStringLiteral("web.desktop")), inSecond);
        const QString inHome = folders.home.filePath(QStringLiteral("applications/web.desktop"));
        WriteFile(inHome, "[Desktop Entry]\nExec=home %u\n");
        QCOMPARE(FindDesktopEntry(QStringLiteral("web.desktop")), inHome);
        QVERIFY(FindDesktopEntry(QStringLiteral("other.desktop")).isEmpty());
        QVERIFY(FindDesktopEntry(QStringLiteral("../applications/web.desktop")).isEmpty());
    }

    void desktopOpenerComesFirst() {
        QStringList asked;
        int launches = 0;
        const OpenerSystem system{
            [&asked](const QString& address) {
                asked.append(address);
                return kOpenSucceeded;
            },
            [] { return QStringLiteral("web.desktop"); },
            [&launches](const QString&, const QStringList&) {
                ++launches;
                return kOpenSucceeded;
            },
        };
        QVERIFY(OpenAddress(kAddress, system) > 32);
        QCOMPARE(asked, QStringList{kAddress});
        QCOMPARE(launches, 0);
    }

    void fallbackRunsTheBrowsersEntry() {
        const ScopedDataFolders folders;
        WriteFile(folders.first.filePath(QStringLiteral("applications/web.desktop")),
                  "[Desktop Entry]\nType=Application\nExec=\"/opt/web/web\" --new-tab \"%u\"\n");
        std::optional<Launch> launched;
        QCOMPARE(OpenAddress(kAddress, FakeSystem(QStringLiteral("web.desktop"), launched)),
                 kOpenSucceeded);
        QVERIFY(launched.has_value());
        QCOMPARE(launched->program, QStringLiteral("/opt/web/web"));
        QCOMPARE(launched->arguments, (QStringList{QStringLiteral("--new-tab"), kAddress}));

        // The launch's own failure is the result.
        QCOMPARE(OpenAddress(kAddress,
                             FakeSystem(QStringLiteral("web.desktop"), launched, kFileNotFound)),
                 kFileNotFound);
    }

    void fallbackFailuresGiveTheirCodes_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("code");
        QTest::newRow("no default browser") << QString() << QByteArray() << kNoAssociation;
        QTest::newRow("entry not installed")
            << QStringLiteral("gone.desktop") << QByteArray() << kNoAssociation;
        QTest::newRow("entry without Exec")
            << QStringLiteral("web.desktop") << QByteArray("[Desktop Entry]\nName=Web\n")
            << kIncompleteAssociation;
        QTest::newRow("Exec only in an action")
            << QStringLiteral("web.desktop")
            << QByteArray("[Desktop Entry]\nName=Web\n[Desktop Action a]\nExec=web %u\n")
            << kIncompleteAssociation;
        QTest::newRow("Exec of a field code only")
            << QStringLiteral("web.desktop") << QByteArray("[Desktop Entry]\nExec=\"%u\"\n")
            << kIncompleteAssociation;
    }

    void fallbackFailuresGiveTheirCodes() {
        QFETCH(QString, entry);
        QFETCH(QByteArray, contents);
        QFETCH(int, code);
        const ScopedDataFolders folders;
        if (!contents.isEmpty()) {
            WriteFile(folders.second.filePath(QStringLiteral("applications/") + entry), contents);
        }
        std::optional<Launch> launched;
        QCOMPARE(OpenAddress(kAddress, FakeSystem(entry, launched)), code);
        QVERIFY(!launched.has_value());
    }

    void launchCodes() {
        const QTemporaryDir folder;
        QCOMPARE(RunOpener(QStringLiteral("lumo-no-such-program"), {}), kFileNotFound);
        QCOMPARE(RunOpener(folder.filePath(QStringLiteral("missing")), {}), kFileNotFound);
        QCOMPARE(RunOpener(folder.filePath(QStringLiteral("no/such/folder/web")), {}),
                 kPathNotFound);
        const QString plain = folder.filePath(QStringLiteral("plain"));
        WriteFile(plain, "#!/bin/sh\n");
        QCOMPARE(RunOpener(plain, {}), kAccessDenied);
        QCOMPARE(RunOpener(folder.path(), {}), kAccessDenied);
        const QString garbage = folder.filePath(QStringLiteral("garbage"));
        WriteFile(garbage, QByteArray(64, '\x7f'),
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(RunOpener(garbage, {}), kInvalidProgram);
        QCOMPARE(RunOpener(QStringLiteral("true"), {kAddress}), kOpenSucceeded);
    }

    void openerIsWaitedForAndItsEndGivesTheCode_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("code");
        QTest::newRow("opened") << QByteArray("exit 0") << kOpenSucceeded;
        QTest::newRow("syntax error") << QByteArray("exit 1") << kIncompleteAssociation;
        QTest::newRow("no such file") << QByteArray("exit 2") << kFileNotFound;
        QTest::newRow("no tool") << QByteArray("exit 3") << kNoAssociation;
        QTest::newRow("action failed") << QByteArray("exit 4") << kIncompleteAssociation;
        QTest::newRow("killed") << QByteArray("kill -9 $$") << kIncompleteAssociation;
        QTest::newRow("still running") << QByteArray("exec sleep 5") << kOpenSucceeded;
    }

    void openerIsWaitedForAndItsEndGivesTheCode() {
        QFETCH(QByteArray, script);
        QFETCH(int, code);
        FakePrograms programs;
        programs.Add(QStringLiteral("opener"), script);
        QCOMPARE(RunOpener(QStringLiteral("opener"), {kAddress}, std::chrono::milliseconds(500)),
                 code);
    }

    // The desktop's opener fails (exit status 3) and no default browser is
    // known: the failure, not a success, is the result.
    void failingDesktopOpenerIsReportedAsSuch() {
        FakePrograms programs;
        programs.Add(QStringLiteral("xdg-open"), "exit 3");
        programs.Add(QStringLiteral("xdg-mime"), "exit 1");
        QCOMPARE(OpenAddress(kAddress, DesktopOpenerSystem()), kNoAssociation);
        programs.Add(QStringLiteral("xdg-open"), "exit 2");
        QCOMPARE(OpenAddress(kAddress, DesktopOpenerSystem()), kFileNotFound);
        programs.Add(QStringLiteral("xdg-open"), "[ \"$1\" = " + kAddress.toUtf8() + " ]");
        QCOMPARE(OpenAddress(kAddress, DesktopOpenerSystem()), kOpenSucceeded);
    }

    void errorTexts_data() { AddOpenErrorRows(QString(), OpenErrorRows::kEveryCode); }

    void errorTexts() {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(OpenErrorText(code), text);
    }

    void reportShowsThePrefixedText_data() {
        AddOpenErrorRows(QStringLiteral("Unable to open hyperlink:\n\n"),
                         OpenErrorRows::kEveryCode);
    }

    void reportShowsThePrefixedText() {
        QFETCH(int, code);
        QFETCH(QString, text);
        const MessageRecorder shown;
        ReportOpenError(nullptr, code);
        QCOMPARE(shown.requests.size(), 1);
        QCOMPARE(shown.requests.front().text, text);
        QVERIFY(shown.requests.front().buttons == MessageButtons::kOk);
    }
};

QTEST_MAIN(AddressOpenerTest)
#include "address_opener_test.moc"
