#include "platform/address_opener.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <array>
#include <cerrno>
#include <string>
#include <thread>
#include <vector>

#include "platform/message_box.h"

namespace {

// How long xdg-mime may take to name the default browser.
constexpr int kQueryTimeoutMs = 5000;

AddressOpener& InstalledOpener() {
    static AddressOpener opener;
    return opener;
}

QString QueryDefaultBrowserEntry() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/http")});
    if (!query.waitForFinished(kQueryTimeoutMs) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0) {
        query.kill();
        return {};
    }
    const QString output = QString::fromLocal8Bit(query.readAllStandardOutput());
    return output.section(QLatin1Char('\n'), 0, 0).trimmed();
}

// The Exec value with the general escapes of desktop entry values undone
// (\s, \n, \t, \r, \\); the quoting rules then apply to what is left.
QString UnescapeValue(const QString& value) {
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            result += c;
            continue;
        }
        const QChar next = value[i + 1];
        if (next == QLatin1Char('s')) {
            result += QLatin1Char(' ');
        } else if (next == QLatin1Char('n')) {
            result += QLatin1Char('\n');
        } else if (next == QLatin1Char('t')) {
            result += QLatin1Char('\t');
        } else if (next == QLatin1Char('r')) {
            result += QLatin1Char('\r');
        } else if (next == QLatin1Char('\\')) {
            result += QLatin1Char('\\');
        } else {
            result += c;
            result += next;
        }
        ++i;
    }
    return result;
}

// Splits a command line the way desktop entries quote: blanks separate
// arguments outside double quotes; inside them a backslash takes the next
// character literally.
QStringList SplitDesktopCommand(const QString& line) {
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c == QLatin1Char('\\') && i + 1 < line.size()) {
                current += line[++i];
            } else {
                current += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            inArgument = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inArgument) {
                arguments.append(current);
                current.clear();
                inArgument = false;
            }
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument) {
        arguments.append(current);
    }
    return arguments;
}

// Waits at most `wait` for the started opener and gives its result code. One
// still running then is left to go on, and a thread of its own collects its
// end so that it leaves no zombie behind.
int AwaitOpener(pid_t child, std::chrono::milliseconds wait) {
    constexpr auto kPoll = std::chrono::milliseconds(10);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    int status = 0;
    for (;;) {
        const pid_t ended = ::waitpid(child, &status, WNOHANG);
        if (ended == child) {
            break;
        }
        if (ended < 0 && errno != EINTR) {
            return kOpenSucceeded;  // collected elsewhere: it started, nothing more is known
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            std::thread([child] { ::waitpid(child, nullptr, 0); }).detach();
            return kOpenSucceeded;
        }
        std::this_thread::sleep_for(kPoll);
    }
    if (!WIFEXITED(status)) {
        return kIncompleteAssociation;
    }
    switch (WEXITSTATUS(status)) {
        case 0:
            return kOpenSucceeded;
        case 2:
            return kFileNotFound;
        case 3:
            return kNoAssociation;
        default:
            return kIncompleteAssociation;
    }
}

bool IsBrowserFieldCode(QChar code) {
    return code == QLatin1Char('u') || code == QLatin1Char('U') || code == QLatin1Char('f') ||
           code == QLatin1Char('F');
}

}  // namespace

OpenerSystem DesktopOpenerSystem() {
    return {
        [](const QString& address) {
            const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
            return opener.isEmpty() ? kNoAssociation : RunOpener(opener, {address});
        },
        QueryDefaultBrowserEntry,
        [](const QString& program, const QStringList& arguments) {
            return RunOpener(program, arguments);
        },
    };
}

int OpenAddress(const QString& address, const OpenerSystem& system) {
    const int desktopResult = system.openWithDesktop(address);
    if (desktopResult > 32) {
        return desktopResult;
    }
    const QString entryName = system.defaultBrowserEntry();
    if (entryName.isEmpty()) {
        return desktopResult;
    }
    const QString entryPath = FindDesktopEntry(entryName);
    if (entryPath.isEmpty()) {
        return desktopResult;
    }
    QStringList arguments = FallbackArguments(ReadExecLine(entryPath), address);
    if (arguments.isEmpty()) {
        return kIncompleteAssociation;
    }
    const QString program = arguments.takeFirst();
    return system.launch(program, arguments);
}

int OpenAddress(const QString& address) {
    if (const AddressOpener& opener = InstalledOpener()) {
        return opener(address);
    }
    return OpenAddress(address, DesktopOpenerSystem());
}

void SetAddressOpener(AddressOpener opener) {
    InstalledOpener() = std::move(opener);
}

QStringList ApplicationFolders() {
    const QString applications = QStringLiteral("/applications");
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty()) {
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    }
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty()) {
        dataDirs = QStringLiteral("/usr/local/share:/usr/share");
    }
    QStringList folders{dataHome + applications};
    for (const QString& dir : dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        folders.append(dir + applications);
    }
    return folders;
}

QString FindDesktopEntry(const QString& entryName) {
    if (entryName.contains(QLatin1Char('/'))) {
        return {};
    }
    for (const QString& folder : ApplicationFolders()) {
        const QString path = folder + QLatin1Char('/') + entryName;
        if (QFileInfo(path).isFile()) {
            return path;
        }
    }
    return {};
}

QString ReadExecLine(const QString& desktopEntryPath) {
    QFile file(desktopEntryPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    QTextStream in(&file);
    bool inMainGroup = false;
    const QString execKey = QStringLiteral("Exec");
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inMainGroup) {
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && line.left(equals).trimmed() == execKey) {
            return UnescapeValue(line.mid(equals + 1).trimmed());
        }
    }
    return {};
}

QString CutAtFieldCode(const QString& execLine) {
    for (qsizetype i = 0; i + 1 < execLine.size(); ++i) {
        if (execLine[i] != QLatin1Char('%')) {
            continue;
        }
        const QChar code = execLine[i + 1];
        if (IsBrowserFieldCode(code)) {
            const bool quoted = i > 0 && execLine[i - 1] == QLatin1Char('"');
            return execLine.left(quoted ? i - 1 : i);
        }
        ++i;  // "%%" and the other codes are passed over whole
    }
    return execLine;
}

QString FallbackCommandLine(const QString& execLine, const QString& address) {
    return CutAtFieldCode(execLine) + QLatin1Char(' ') + address;
}

QStringList FallbackArguments(const QString& execLine, const QString& address) {
    QStringList arguments = SplitDesktopCommand(CutAtFieldCode(execLine));
    if (arguments.isEmpty() || arguments.front().isEmpty()) {
        return {};
    }
    arguments.append(address);
    return arguments;
}

int RunOpener(const QString& program, const QStringList& arguments,
              std::chrono::milliseconds wait) {
    QString path = program;
    if (!program.contains(QLatin1Char('/'))) {
        path = QStandardPaths::findExecutable(program);
        if (path.isEmpty()) {
            return kFileNotFound;
        }
    }
    const QFileInfo file(path);
    if (!file.exists()) {
        return QFileInfo(file.absolutePath()).isDir() ? kFileNotFound : kPathNotFound;
    }
    if (file.isDir() || !file.isExecutable()) {
        return kAccessDenied;
    }
    std::vector<std::string> texts{path.toStdString()};
    for (const QString& argument : arguments) {
        texts.push_back(argument.toStdString());
    }
    std::vector<char*> argv;
    for (std::string& text : texts) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return kInvalidProgram;
    }
    return AwaitOpener(child, wait);
}

QString OpenErrorText(int code) {
    struct CodeText {
        int code;
        const char* text;
    };
    static constexpr std::array<CodeText, 13> kTexts{{
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30,
         "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
         "being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
    }};
    for (const CodeText& entry : kTexts) {
        if (entry.code == code) {
            return QString::fromLatin1(entry.text);
        }
    }
    return QStringLiteral("Unknown Error (%1) occurred.").arg(code);
}

void ReportOpenError(QWidget* parent, int code) {
    QApplication::beep();
    ShowMessage(parent, QStringLiteral("Unable to open hyperlink:\n\n") + OpenErrorText(code));
}
