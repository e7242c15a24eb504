// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/command_line.h"

#include "host/numbers/clock.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace host {

namespace {

constexpr int64_t largestSeed = 4294967295;

QString helpText(QCommandLineParser &parser, const CommandInfo &info)
{
    QString text = parser.helpText();
    text.replace("<executable_name>", info.command);
    text += "\nEnvironment:\n"
            "  NEUROSIMS_SCRIPT  names an automation script: the program runs its lines,\n"
            "                    prints what they ask for and ends (see the user guide)\n"
            "  QT_QPA_PLATFORM   the Qt platform the windows open on; offscreen opens none\n";
    text += "\nThe user guide: " + QDir(guideFolder()).filePath(info.guidePage) + "\n";
    return text;
}

std::optional<int64_t> seedValue(const QString &text)
{
    bool ok = false;
    const qlonglong seed = text.toLongLong(&ok);
    if (!ok || seed < 0 || seed > largestSeed)
        return std::nullopt;
    return seed;
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments, const CommandInfo &info, QTextStream &out,
                            QTextStream &err)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(info.command + " " + suiteVersion() + ": " + info.purpose
                                     + ".");
    const QCommandLineOption help({"h", "help"}, "Shows this help and ends.");
    const QCommandLineOption version({"v", "version"}, "Shows the version and ends.");
    const QCommandLineOption seed(
        "seed",
        QString("Re-seeds the random numbers with N (0 to %1) in place of the clock, so that a "
                "run repeats exactly. The window title shows it.")
            .arg(largestSeed),
        "N");
    parser.addOptions({help, version, seed});
    if (info.takesFile)
        parser.addPositionalArgument("file", "A session file to open.", "[file]");

    CommandLine result;
    auto refuse = [&](const QString &reason) {
        err << info.command << ": " << reason << "\n"
            << "Try '" << info.command << " --help' for its options.\n";
        err.flush();
        result.exitCode = 2;
        return result;
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help)) {
        out << helpText(parser, info);
        result.exitCode = 0;
        return result;
    }
    if (parser.isSet(version)) {
        out << info.command << " " << suiteVersion() << "\n";
        result.exitCode = 0;
        return result;
    }
    if (parser.isSet(seed)) {
        result.seed = seedValue(parser.value(seed));
        if (!result.seed)
            return refuse(QString("--seed takes a whole number from 0 to %1, not '%2'.")
                              .arg(largestSeed)
                              .arg(parser.value(seed)));
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > (info.takesFile ? 1 : 0))
        return refuse(info.takesFile ? "Only one file can be opened at a time."
                                     : "Unknown argument '" + files.first() + "'.");
    if (!files.isEmpty())
        result.file = files.first();
    return result;
}

CommandLine readCommandLine(int argc, char **argv, const CommandInfo &info)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCoreApplication::setApplicationName(info.command);
    QCoreApplication::setApplicationVersion(suiteVersion());
    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandLine commandLine = readCommandLine(arguments, info, out, err);
    fixSeed(commandLine.seed ? std::optional<double>(double(*commandLine.seed)) : std::nullopt);
    return commandLine;
}

QString suiteVersion() { return NEUROSIMS_VERSION; }

QString guideFolder()
{
    // Installed, the guide lies under share/doc beside bin; a build runs from the checkout.
    const QDir programDir = QFileInfo("/proc/self/exe").canonicalFilePath().section('/', 0, -2);
    const QString installed = programDir.filePath("../share/doc/neurosims/guide");
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
    const QString checkout = QDir(sourceFolder()).filePath("docs");
    if (QFileInfo(checkout).isDir())
        return checkout;
    return "/usr/share/doc/neurosims/guide";
}

QString sourceFolder() { return NEUROSIMS_SOURCE_DIR; }

QString titleWithSeed(const QString &title, const CommandLine &commandLine)
{
    if (!commandLine.seed)
        return title;
    return title + QString(" \u2014 seed %1").arg(*commandLine.seed);
}

} // namespace host
