#include "app/cli/CommandLine.h"

#include "app/cli/CommandLineText.h"

#include <QCommandLineParser>

#include <algorithm>

namespace {

QList<QCommandLineOption> exportOptions()
{
    return {
        {QStringLiteral("export"),
         CommandLineText::tr(
             "Make the cards of LIST.mrv into the PDF file OUT.pdf, without a window; an existing file is replaced."),
         QStringLiteral("OUT.pdf")},
        {QStringLiteral("cards"),
         CommandLineText::tr(
             "How many cards to make, 1 to 99999 (default 1). Every page is printed full, so the last page may bring "
             "a few more."),
         QStringLiteral("N")},
        {QStringLiteral("per-page"), CommandLineText::tr("Cards on each page: 1, 2 or 4 (default 1)."),
         QStringLiteral("1|2|4")},
        {QStringLiteral("kind"),
         CommandLineText::tr("What to make: cards, from the list, or tickets, 90-ball tickets of the numbers 1 to 90 "
                             "in strips of six, whatever the list holds; --cards then counts tickets and --per-page "
                             "strips (1 or 2). Default: the kind chosen in the window."),
         QStringLiteral("cards|tickets")},
        {QStringLiteral("paper"),
         CommandLineText::tr(
             "The paper: A4, Letter, Legal, A5 or A3 (default: Letter where the language settings measure in inches, "
             "else A4)."),
         QStringLiteral("SIZE")},
        {QStringLiteral("number"),
         CommandLineText::tr(
             "Make a numbered game: every card carries its number and the game's code, the game is recorded for "
             "calling, and its code is printed on standard output.")},
        {QStringLiteral("force"),
         CommandLineText::tr(
             "Print even when the entries make fewer different cards than the export prints, repeating some. Without "
             "it such an export is refused, as the window's question is answered by its default button, No.")},
    };
}

QList<QCommandLineOption> allOptions()
{
    QList<QCommandLineOption> options{
        {{QStringLiteral("h"), QStringLiteral("help")}, CommandLineText::tr("Show this help and exit.")},
        {{QStringLiteral("v"), QStringLiteral("version")}, CommandLineText::tr("Show the version and exit.")},
    };
    return options + exportOptions();
}

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

std::optional<QPageSize::PageSizeId> paperNamed(const QString &name)
{
    for (const QPageSize::PageSizeId id :
         {QPageSize::A4, QPageSize::Letter, QPageSize::Legal, QPageSize::A5, QPageSize::A3})
        if (QPageSize::key(id).compare(name, Qt::CaseInsensitive) == 0)
            return id;
    return std::nullopt;
}

// Qt's own options, which QApplication takes off the command line before the
// window sees it; the valued ones take the next argument unless written with '='.
const QStringList QtFlags{QStringLiteral("-reverse"), QStringLiteral("-widgetcount"), QStringLiteral("-nograb"),
                          QStringLiteral("-dograb"), QStringLiteral("-sync")};
const QStringList QtValued{QStringLiteral("-platform"),
                           QStringLiteral("-platformpluginpath"),
                           QStringLiteral("-platformtheme"),
                           QStringLiteral("-plugin"),
                           QStringLiteral("-qmljsdebugger"),
                           QStringLiteral("-qwindowgeometry"),
                           QStringLiteral("-qwindowicon"),
                           QStringLiteral("-qwindowtitle"),
                           QStringLiteral("-session"),
                           QStringLiteral("-style"),
                           QStringLiteral("-stylesheet"),
                           QStringLiteral("-display"),
                           QStringLiteral("-geometry"),
                           QStringLiteral("-title"),
                           QStringLiteral("-name"),
                           QStringLiteral("-visual"),
                           QStringLiteral("-ncols"),
                           QStringLiteral("-cmap"),
                           QStringLiteral("-im"),
                           QStringLiteral("-inputstyle")};

struct SortedArguments
{
    QStringList ours; // Qt's own options and their values taken out
    QString unknown;  // the first option before "--" that is neither ours nor Qt's
};

SortedArguments sorted(const QStringList &arguments)
{
    QStringList flags;
    QStringList valued;
    for (const QCommandLineOption &option : allOptions())
        for (const QString &name : option.names())
            (option.valueName().isEmpty() ? flags : valued).append(dashed(name));
    SortedArguments result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            result.ours += arguments.mid(i);
            break;
        }
        const QString name = argument.section(QLatin1Char('='), 0, 0);
        if (QtFlags.contains(name) || QtValued.contains(name)) {
            if (QtValued.contains(name) && name == argument)
                ++i;
            continue;
        }
        result.ours.append(argument);
        if (argument.size() < 2 || !argument.startsWith(QLatin1Char('-')))
            continue;
        if (valued.contains(name)) {
            // The value may start with a dash, as a file name can.
            if (name == argument && i + 1 < arguments.size())
                result.ours.append(arguments.at(++i));
            continue;
        }
        if (!flags.contains(name) && result.unknown.isEmpty())
            result.unknown = name;
    }
    return result;
}

CommandLine refused(const QString &problem)
{
    CommandLine line;
    line.mode = CommandLine::Mode::Usage;
    line.problem = problem;
    return line;
}

// Lines of at most width characters, broken between words.
QStringList wrapped(const QString &text, qsizetype width)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines.append(line);
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

QString paragraph(const QString &text)
{
    return wrapped(text, 79).join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace

bool isCommandLineMode(const QStringList &arguments)
{
    QStringList names;
    for (const QCommandLineOption &option : allOptions())
        for (const QString &name : option.names())
            names.append(dashed(name));
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (names.contains(argument.section(QLatin1Char('='), 0, 0)))
            return true;
    }
    return false;
}

CommandLine parseCommandLine(const QStringList &allArguments)
{
    // Refused before any window: a mistyped option is never a list to open,
    // and a list whose name starts with '-' comes after "--".
    const SortedArguments sortedArguments = sorted(allArguments);
    if (!sortedArguments.unknown.isEmpty())
        return refused(CommandLineText::tr("Unknown option %1").arg(sortedArguments.unknown));
    const QStringList &arguments = sortedArguments.ours;
    if (!isCommandLineMode(arguments))
        return {};
    QCommandLineParser parser;
    parser.addOptions(allOptions());
    if (!parser.parse(QStringList{QStringLiteral("morvane")} + arguments))
        return refused(parser.errorText());

    CommandLine line;
    if (parser.isSet(QStringLiteral("help"))) {
        line.mode = CommandLine::Mode::Help;
        return line;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        line.mode = CommandLine::Mode::Version;
        return line;
    }
    if (!parser.isSet(QStringLiteral("export"))) {
        for (const QCommandLineOption &option : exportOptions())
            if (parser.isSet(option))
                return refused(CommandLineText::tr("%1 goes with --export.").arg(dashed(option.names().constFirst())));
        return {};
    }

    line.mode = CommandLine::Mode::Export;
    line.output = parser.value(QStringLiteral("export"));
    if (line.output.isEmpty())
        return refused(CommandLineText::tr("--export needs the name of the PDF file to write."));
    const QStringList lists = parser.positionalArguments();
    if (lists.isEmpty())
        return refused(CommandLineText::tr("Name the card list to export after the options."));
    if (lists.size() > 1)
        return refused(CommandLineText::tr("Only one card list can be exported at a time."));
    line.list = lists.constFirst();

    if (parser.isSet(QStringLiteral("cards")))
        line.cards = parser.value(QStringLiteral("cards"));
    if (parser.isSet(QStringLiteral("per-page"))) {
        line.perPage = parser.value(QStringLiteral("per-page"));
        // The window offers these three and no other.
        const QStringList offered{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")};
        if (!offered.contains(line.perPage))
            return refused(
                CommandLineText::tr("'%1' cards per page cannot be printed: use 1, 2 or 4.").arg(line.perPage));
    }
    if (parser.isSet(QStringLiteral("kind"))) {
        const QString kind = parser.value(QStringLiteral("kind"));
        if (kind == QStringLiteral("cards"))
            line.kind = CardKind::WordCards;
        else if (kind == QStringLiteral("tickets"))
            line.kind = CardKind::Tickets90;
        else
            return refused(CommandLineText::tr("'%1' is no kind Morvane makes: use cards or tickets.").arg(kind));
    }
    if (parser.isSet(QStringLiteral("paper"))) {
        const QString name = parser.value(QStringLiteral("paper"));
        line.paper = paperNamed(name);
        if (!line.paper)
            return refused(
                CommandLineText::tr("'%1' is not a paper Morvane knows: use A4, Letter, Legal, A5 or A3.").arg(name));
    }
    line.number = parser.isSet(QStringLiteral("number"));
    line.force = parser.isSet(QStringLiteral("force"));
    return line;
}

QStringList documentArguments(const QStringList &arguments)
{
    QStringList documents = arguments;
    documents.removeOne(QStringLiteral("--"));
    return documents;
}

QString helpText(const QString &programName)
{
    QString text = CommandLineText::tr("Usage: %1 [LIST.mrv]\n"
                                       "       %1 --export OUT.pdf [options] LIST.mrv\n"
                                       "       %1 --help | --version\n")
                       .arg(programName);
    text += QLatin1Char('\n')
            + paragraph(CommandLineText::tr(
                "Without options, Morvane opens its window, and in it the card list LIST.mrv when one is "
                "given. Put -- before a list whose name starts with a dash."));
    text += QLatin1Char('\n')
            + paragraph(CommandLineText::tr(
                "With --export, it makes the bingo cards of LIST.mrv into a PDF file without a window or "
                "a display, as File > Export PDF... does, with the card options and the font the window "
                "keeps in Options.ini. Progress shows on standard error when the export runs long."));
    text += QLatin1Char('\n') + CommandLineText::tr("Options:") + QLatin1Char('\n');

    QList<QPair<QString, QString>> rows;
    for (const QCommandLineOption &option : allOptions()) {
        QStringList names;
        for (const QString &name : option.names())
            names.append(dashed(name));
        QString left = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            left += QLatin1Char(' ') + option.valueName();
        rows.append({left, option.description()});
    }
    qsizetype column = 0;
    for (const auto &row : rows)
        column = std::max(column, row.first.size());
    column += 4; // two blanks before the names, two after the longest
    for (const auto &row : rows) {
        const QStringList lines = wrapped(row.second, 79 - column);
        text += QStringLiteral("  ") + row.first.leftJustified(column - 2) + lines.value(0) + QLatin1Char('\n');
        for (const QString &more : lines.mid(1))
            text += QString(column, QLatin1Char(' ')) + more + QLatin1Char('\n');
    }
    text += QLatin1Char('\n')
            + paragraph(CommandLineText::tr(
                "Exit status: 0 when the cards are made, 1 when the export is refused or fails (the "
                "message says why, in the window's words), 2 for a command line that is not understood, "
                "130 when interrupted."));
    return text;
}

QString versionText()
{
    return QStringLiteral("Morvane %1\n").arg(QStringLiteral(MORVANE_VERSION));
}
