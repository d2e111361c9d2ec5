#include "commandline.h"

#include "appinfo.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// The platform options QApplication takes for itself must not count as unknown.
const QStringList QtOptionsWithValue{QStringLiteral("platform"), QStringLiteral("display"),
                                     QStringLiteral("style"), QStringLiteral("qwindowgeometry")};

QString tr(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(tr("A counting game: seat as many monkeys on the train as the number asks."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, tr("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Show the version and exit."));
    const QCommandLineOption fullScreen(QStringLiteral("fullscreen"), tr("Start in full screen."));
    const QString languageCodes = Languages::codes().join(QLatin1Char('|'));
    const QCommandLineOption language(QStringLiteral("language"),
                                      tr("Speak and write in this language: %1.").arg(languageCodes),
                                      QStringLiteral("code"));
    const QCommandLineOption parents(QStringLiteral("parents"), tr("打开家长园地（先回答一道大人的题）。"));
    const QCommandLineOption knowerLevels(QStringLiteral("knower-levels"),
                                          tr("打印纸上给N测验的 CSV 文件（child、asked、given 列）中每个孩子的数字认知水平。"),
                                          QStringLiteral("file"));
    parser.addOptions({help, version, fullScreen, language, parents, knowerLevels});
    for (const QString &name : QtOptionsWithValue) {
        QCommandLineOption qtOption(name, QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }

    CommandLine result;
    const auto fail = [&result](const QString &why) {
        result.action = Action::Fail;
        result.text = QStringLiteral("%1: %2\n%3\n")
                          .arg(QLatin1String(AppInfo::Name), why,
                               tr("Try '%1 --help' for the options.").arg(QLatin1String(AppInfo::Name)));
    };
    if (!parser.parse(arguments)) {
        fail(parser.errorText());
    } else if (!parser.positionalArguments().isEmpty()) {
        fail(tr("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    } else if (parser.isSet(language) && !(result.language = Languages::fromCode(parser.value(language)))) {
        fail(tr("Unknown language '%1': choose one of %2.").arg(parser.value(language), languageCodes));
    } else if (parser.isSet(help)) {
        result.action = Action::PrintAndExit;
        // Without an application object the parser cannot know the program's name.
        result.text = parser.helpText().replace(QStringLiteral("<executable_name>"), QLatin1String(AppInfo::Name));
    } else if (parser.isSet(version)) {
        result.action = Action::PrintAndExit;
        result.text = QStringLiteral("%1 %2\n").arg(QLatin1String(AppInfo::Name), QLatin1String(AppInfo::Version));
    } else if (parser.isSet(knowerLevels)) {
        result.action = Action::KnowerLevels;
        result.knowerLevelsFile = parser.value(knowerLevels);
    }
    result.fullScreen = parser.isSet(fullScreen);
    result.parentsCorner = parser.isSet(parents);
    return result;
}

QStringList commandLineArguments(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}
