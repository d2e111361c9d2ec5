#include "commandline.h"

#include "appinfo.h"
#include "grades/grade.h"
#include "history/historytypes.h"

#include <QCoreApplication>

#include <functional>
#include <vector>

namespace {

// Qt's own options, which QGuiApplication, QApplication and the X11
// platform take for themselves; they are not listed in the help.
// -platform and -display, which the game reads too, are apart.
const char *const QtOptionsWithValue[] = {
    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry", "qwindowicon", "icon",
    "qwindowtitle", "title", "session", "name", "visual", "style", "stylesheet", "qmljsdebugger",
};
const char *const QtSwitches[] = {"reverse", "testability", "nograb", "dograb", "sync", "widgetcount", "qdevel"};

struct Option
{
    QStringList names;   // without their dashes
    QString valueName;   // empty: a switch, which takes no value
    QString description; // empty: one of Qt's own
    // Takes the value (empty for a switch); the complaint, or empty when taken.
    std::function<QString(const QString &value)> take;
    // A second value as an argument of its own, such as the file to write;
    // handed over after the first and a null character, which no argument holds.
    QString secondValueName{};
};

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// Columns a terminal gives the text: Chinese characters take two.
qsizetype terminalWidth(const QString &text)
{
    qsizetype width = 0;
    for (const QChar character : text)
        width += character.unicode() >= 0x2E80 ? 2 : 1;
    return width;
}

QString helpText(const std::vector<Option> &options)
{
    std::vector<std::pair<QString, QString>> rows; // the names, and what the option does
    qsizetype width = 0;
    for (const Option &option : options) {
        if (option.description.isEmpty())
            continue;
        QStringList names;
        for (const QString &name : option.names)
            names << dashed(name);
        QString column = names.join(QStringLiteral(", "));
        if (!option.valueName.isEmpty())
            column += QStringLiteral(" <%1>").arg(option.valueName);
        if (!option.secondValueName.isEmpty())
            column += QStringLiteral(" <%1>").arg(option.secondValueName);
        width = qMax(width, terminalWidth(column));
        rows.emplace_back(column, option.description);
    }
    QString text = CommandLine::tr("用法：%1 [选项]").arg(QLatin1String(AppInfo::Name)) + QLatin1Char('\n')
        + CommandLine::tr("数数游戏：数字是几，就让几只小猴坐上火车。") + QStringLiteral("\n\n") + CommandLine::tr("选项：") + QLatin1Char('\n');
    for (const auto &[column, description] : rows)
        text += QStringLiteral("  %1%2  %3\n").arg(column, QString(width - terminalWidth(column), QLatin1Char(' ')), description);
    return text;
}

const Option *findOption(const std::vector<Option> &options, const QString &name)
{
    for (const Option &option : options) {
        if (option.names.contains(name))
            return &option;
    }
    return nullptr;
}

std::function<QString(const QString &)> setsFlag(bool &flag)
{
    return [&flag](const QString &) {
        flag = true;
        return QString();
    };
}

std::function<QString(const QString &)> keepsValue(QString &place)
{
    return [&place](const QString &value) {
        place = value;
        return QString();
    };
}

// An option that chooses what the program does, keeping its file (if it takes one).
std::function<QString(const QString &)> choosesAction(CommandLine &result, CommandLine::Action action,
                                                      QString *file = nullptr)
{
    return [&result, action, file](const QString &value) {
        result.action = action;
        if (file)
            *file = value;
        return QString();
    };
}

QString ignored(const QString &)
{
    return {};
}

// "1 看看听听, 2 听着数, …"
QString gradeNames()
{
    QStringList names;
    for (int grade = Grade::First; grade <= Grade::Last; ++grade)
        names << QStringLiteral("%1 %2").arg(grade).arg(Grade::name(grade));
    return names.join(CommandLine::tr("，"));
}

// Reads the arguments into the options; the first complaint, or empty.
QString readArguments(const QStringList &arguments, const std::vector<Option> &options)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!argument.startsWith(QLatin1Char('-')) || argument.size() == 1 || argument == QStringLiteral("--"))
            return CommandLine::tr("多余的参数“%1”。").arg(argument);
        // Single and double dashes alike, as Qt takes its own options.
        const QString body = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
        const qsizetype equals = body.indexOf(QLatin1Char('='));
        const QString name = body.left(equals);
        const Option *const option = findOption(options, name);
        if (!option)
            return CommandLine::tr("未知的选项“%1”。").arg(argument);
        QString value;
        if (option->valueName.isEmpty()) {
            if (equals >= 0)
                return CommandLine::tr("选项“%1”不带值。").arg(dashed(name));
        } else if (equals >= 0) {
            value = body.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return CommandLine::tr("选项“%1”后面少了%2。").arg(dashed(name), option->valueName);
        }
        if (!option->secondValueName.isEmpty()) {
            if (i + 1 >= arguments.size())
                return CommandLine::tr("选项“%1”后面少了%2。").arg(dashed(name), option->secondValueName);
            value += QChar::Null + arguments[++i];
        }
        if (QString complaint = option->take(value); !complaint.isEmpty())
            return complaint;
    }
    return {};
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine result;
    bool help = false;
    bool version = false;
    const QString languageCodes = Languages::codes().join(QLatin1Char('|'));
    std::vector<Option> options{
        {{QStringLiteral("h"), QStringLiteral("help")}, {}, tr("显示这段说明后退出。"), setsFlag(help)},
        {{QStringLiteral("v"), QStringLiteral("version")}, {}, tr("显示版本后退出。"), setsFlag(version)},
        {{QStringLiteral("fullscreen")}, {}, tr("以全屏开始。"), setsFlag(result.fullScreen)},
        {{QStringLiteral("language")}, tr("代码"), tr("用这种语言说和写：%1。").arg(languageCodes),
         [&](const QString &code) {
             result.language = Languages::fromCode(code);
             return result.language ? QString() : tr("不认识的语言“%1”：请从 %2 中选一种。").arg(code, languageCodes);
         }},
        {{QStringLiteral("player")}, tr("名字"), tr("以这个玩家的身份玩，没有就新建；下次启动时也是这个玩家。"),
         [&](const QString &name) {
             result.player = name;
             return History::isValidName(name) ? QString()
                                               : tr("玩家的名字要有 1 到 %1 个字。").arg(History::MaxNameLength);
         }},
        {{QStringLiteral("grade")}, QStringLiteral("1-4"), tr("按这一级玩：%1。").arg(gradeNames()),
         [&](const QString &text) {
             bool isNumber = false;
             result.grade = text.toInt(&isNumber);
             return isNumber && Grade::exists(*result.grade)
                 ? QString()
                 : tr("没有“%1”这一级：请从 %2 到 %3 中选一个。").arg(text).arg(Grade::First).arg(Grade::Last);
         }},
        {{QStringLiteral("parents")}, {}, tr("打开家长园地（先回答一道大人的题）。"), setsFlag(result.parentsCorner)},
        {{QStringLiteral("progress")}, {}, tr("打印每个玩家的进步：玩了几局、答了几题、数字认知水平和每个数第一次就答对的比例。"),
         choosesAction(result, Action::Progress)},
        {{QStringLiteral("export-csv")}, tr("文件"), tr("把全部历史写成 CSV 文件（“-”是标准输出）。"),
         choosesAction(result, Action::ExportCsv, &result.csvFile)},
        {{QStringLiteral("import-csv")}, tr("文件"), tr("把 --export-csv 写的文件加入历史；已有的记录不会重复。"),
         choosesAction(result, Action::ImportCsv, &result.csvFile)},
        {{QStringLiteral("knower-levels")}, tr("文件"),
         tr("打印纸上给N测验的 CSV 文件（child、asked、given 列）中每个孩子的数字认知水平。"),
         choosesAction(result, Action::KnowerLevels, &result.knowerLevelsFile)},
        {{QStringLiteral("report")}, tr("名字"), tr("把这个玩家的一页报告写进 PDF 文件，不用显示器。"),
         [&](const QString &nameAndFile) {
             result.action = Action::Report;
             result.reportPlayer = nameAndFile.section(QChar::Null, 0, 0);
             result.reportFile = nameAndFile.section(QChar::Null, 1);
             return QString();
         },
         tr("文件.pdf")},
    };
    const QString value = tr("值");
    options.push_back({{QStringLiteral("platform")}, value, {}, keepsValue(result.qtPlatform)});
    options.push_back({{QStringLiteral("display")}, value, {}, keepsValue(result.qtDisplay)});
    for (const char *name : QtOptionsWithValue)
        options.push_back({{QLatin1String(name)}, value, {}, ignored});
    for (const char *name : QtSwitches)
        options.push_back({{QLatin1String(name)}, {}, {}, ignored});

    if (const QString complaint = readArguments(arguments, options); !complaint.isEmpty()) {
        result.action = Action::Fail;
        result.text = QStringLiteral("%1: %2\n%3\n")
                          .arg(QLatin1String(AppInfo::Name), complaint,
                               tr("用“%1 --help”查看选项。").arg(QLatin1String(AppInfo::Name)));
    } else if (help) {
        result.action = Action::PrintAndExit;
        result.text = helpText(options);
    } else if (version) {
        result.action = Action::PrintAndExit;
        result.text = QStringLiteral("%1 %2\n").arg(QLatin1String(AppInfo::Name), QLatin1String(AppInfo::Version));
    }
    return result;
}

QStringList commandLineArguments(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}
