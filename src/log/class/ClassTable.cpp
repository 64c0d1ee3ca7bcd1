#include "log/class/ClassTable.h"

#include "log/LogExport.h"

#include <QHash>

#include <algorithm>

namespace {

const QString RunsColumn = QStringLiteral("Läufe");
constexpr QSize PreferredWindowSize(900, 560);
// What the window frame and the taskbar take from the screen.
constexpr QSize ScreenMargin(40, 80);

int gradeNumber(const QString &grade)
{
    const QString digits = grade.trimmed().left(1);
    return digits.isEmpty() ? 0 : digits.toInt();
}

ClassTableCell runsCell(int runs)
{
    ClassTableCell cell;
    cell.text = QString::number(runs);
    cell.opensLog = true;
    return cell;
}

ClassTableCell exerciseCell(const ChildExerciseSummary &summary)
{
    ClassTableCell cell;
    cell.text = summary.lastGrade.trimmed();
    cell.background = GradeColour(summary.lastGrade);
    cell.toolTip = RunsToolTip(summary);
    cell.opensLog = true;
    cell.exercise = summary.exercise;
    return cell;
}

} // namespace

ClassTable LayOutClassTable(const ClassOverview &overview)
{
    ClassTable table;
    QStringList exercises;
    QHash<QString, int> rowOf;
    for (const ChildExerciseSummary &summary : overview.rows) {
        if (!exercises.contains(summary.exercise))
            exercises.append(summary.exercise);
        if (!rowOf.contains(summary.child)) {
            rowOf.insert(summary.child, int(table.children.size()));
            table.children.append(summary.child);
        }
    }
    SortByName(exercises);
    QHash<QString, int> columnOf;
    for (qsizetype i = 0; i < exercises.size(); ++i)
        columnOf.insert(exercises.at(i), int(i) + 1);
    table.columns = QStringList{RunsColumn} + exercises;

    QList<int> runs(table.children.size(), 0);
    table.cells = QList<QList<ClassTableCell>>(table.children.size(), QList<ClassTableCell>(table.columns.size()));
    for (const ChildExerciseSummary &summary : overview.rows) {
        const int row = rowOf.value(summary.child);
        runs[row] += summary.runs;
        table.cells[row][columnOf.value(summary.exercise)] = exerciseCell(summary);
    }
    for (qsizetype row = 0; row < table.children.size(); ++row)
        table.cells[row][0] = runsCell(runs.at(row));
    return table;
}

QColor GradeColour(const QString &grade)
{
    switch (gradeNumber(grade)) {
    case 1:
    case 2:
        return {208, 238, 200};
    case 3:
    case 4:
        return {252, 241, 189};
    case 5:
    case 6:
        return {249, 207, 203};
    default:
        return {};
    }
}

QString RunsToolTip(const ChildExerciseSummary &summary)
{
    const QString runs = summary.runs == 1 ? QStringLiteral("1 Lauf") : QStringLiteral("%1 Läufe").arg(summary.runs);
    return QStringLiteral("%1, zuletzt am %2: %3 % richtig, Note %4")
        .arg(runs, summary.lastDate.toString(QStringLiteral("dd.MM.yy")), QString::number(summary.lastPercent),
             summary.lastGrade.trimmed());
}

QByteArray ClassTableAsCsv(const ClassTable &table)
{
    QList<QStringList> rows{QStringList{QStringLiteral("Kind")} + table.columns};
    for (qsizetype row = 0; row < table.children.size(); ++row) {
        QStringList fields{table.children.at(row)};
        for (const ClassTableCell &cell : table.cells.at(row))
            fields.append(cell.text);
        rows.append(fields);
    }
    return CsvTable(rows);
}

QSize ClassWindowSize(QSize screen)
{
    return PreferredWindowSize.boundedTo(screen - ScreenMargin);
}

QSize ClassWindowSizeFor(QSize table, QSize around, QSize screen)
{
    return ClassWindowSize(screen).expandedTo(table + around).boundedTo(screen - ScreenMargin);
}

namespace {

// The lines a title takes at this width when broken between words only.
int linesAt(const QStringList &words, int width, const std::function<int(const QString &)> &advance)
{
    int lines = 1;
    QString line;
    for (const QString &word : words) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || advance(longer) <= width) {
            line = longer;
        } else {
            ++lines;
            line = word;
        }
    }
    return lines;
}

} // namespace

int TitleColumnWidth(const QString &title, int lines, int narrowest, int padding,
                        const std::function<int(const QString &)> &advance)
{
    const QStringList words = title.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int longestWord = 0;
    for (const QString &word : words)
        longestWord = std::max(longestWord, advance(word));
    int width = std::max(narrowest - padding, longestWord);
    while (linesAt(words, width, advance) > lines)
        ++width;
    return width + padding;
}
