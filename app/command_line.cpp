// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <string_view>

namespace {
constexpr char16_t EscapedByte = 0xDC00; // plus the byte, 0x80 to 0xFF

// The length of the valid UTF-8 sequence `text` begins with, 0 for none.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (byte(0) < 0x80)
        return 1;
    const std::size_t length = byte(0) >= 0xF0 ? 4 : byte(0) >= 0xE0 ? 3 : byte(0) >= 0xC0 ? 2 : 0;
    if (length == 0 || byte(0) >= 0xF8 || text.size() < length)
        return 0;
    char32_t code = byte(0) & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < Smallest[length] || code > 0x10FFFF || surrogate ? 0 : length;
}

QString ArgumentAsText(std::string_view bytes) {
    QString text;
    while (!bytes.empty()) {
        if (const std::size_t length = Utf8SequenceLength(bytes)) {
            text += QString::fromUtf8(bytes.data(), static_cast<qsizetype>(length));
            bytes.remove_prefix(length);
        } else {
            text +=
                QChar(static_cast<char16_t>(EscapedByte | static_cast<unsigned char>(bytes[0])));
            bytes.remove_prefix(1);
        }
    }
    return text;
}

// The bytes ArgumentAsText read `text` from. Decoded UTF-8 holds no lone low surrogate.
std::string ArgumentBytes(const QString& text) {
    std::string bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        const bool escaped = unit >= (EscapedByte | 0x80) && unit <= (EscapedByte | 0xFF) &&
                             (i == 0 || !text[i - 1].isHighSurrogate());
        if (escaped) {
            bytes += static_cast<char>(unit & 0xFF);
            continue;
        }
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        bytes += text.mid(i, length).toStdString();
        i += length - 1;
    }
    return bytes;
}

// Exit code of a command line the program does not understand, as the shell's own tools use.
constexpr int UsageError = 2;

CommandLine Answer(int exitCode, const QString& text) {
    CommandLine answer;
    answer.ExitCode = exitCode;
    answer.Answer = text;
    return answer;
}

CommandLine Mistake(const QString& what) {
    return Answer(UsageError, QStringLiteral("krugheim: %1 (Hilfe: krugheim --help)\n").arg(what));
}

// The options by which Qt lets every program choose its display, style and window; Qt reads
// them itself when it starts, so they are accepted here and left in the command line for it.
void AcceptQtsOwnOptions(QCommandLineParser& parser) {
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                             "geometry", "qwindowgeometry", "title", "qwindowtitle", "icon",
                             "qwindowicon", "style", "stylesheet", "session", "qmljsdebugger"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setValueName(QStringLiteral("Wert"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}
} // namespace

QStringList ArgumentsAsText(int argc, const char* const argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << ArgumentAsText(argv[i]);
    return arguments;
}

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Das Krugheim – eine Wirtschaftssimulation: Sie führen eine Kneipe."));
    // Qt's "--help-all" would promise Qt's options, which the usage text leaves to Qt's manual.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Zeigt Hilfe zu den Kommandozeilenoptionen an."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    AcceptQtsOwnOptions(parser);
    // As in every Qt program, "-platform" is one option, not eight letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addPositionalArgument(
        QStringLiteral("Spielstand"),
        QStringLiteral("Ein Spielstand (*.krg), der beim Start geladen wird wie mit „Laden“."),
        QStringLiteral("[Spielstand]"));

    if (!parser.parse(arguments))
        return Mistake(parser.errorText());
    if (parser.isSet(help))
        return Answer(0, parser.helpText());
    if (parser.isSet(version))
        return Answer(0, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion()));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return Mistake(QStringLiteral("Es lässt sich nur ein Spielstand laden."));
    CommandLine start;
    if (!files.isEmpty())
        start.SavedGame = ArgumentBytes(files.constFirst());
    return start;
}
