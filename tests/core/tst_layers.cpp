// The rooms of src/ and the direction between them, read from the sources' own
// `#include "…"` lines: an include against the direction, an include of a header that is
// not there, or a circle of includes between units or between the top folders fails; so does a source file over 400
// lines or a folder holding more than 16 units. The rooms are the targets of
// src/*/CMakeLists.txt; the table below is what each of them links.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <functional>

namespace {

// Longest prefix first: a file belongs to the first room whose prefix its path starts with.
const QList<QPair<QString, QString>> &roomOfPrefix()
{
    static const QList<QPair<QString, QString>> rooms = {
        {QStringLiteral("core/"), QStringLiteral("core")},
        {QStringLiteral("generators/"), QStringLiteral("generators")},
        {QStringLiteral("kinds/"), QStringLiteral("kinds")},
        {QStringLiteral("plan/"), QStringLiteral("plan")},
        {QStringLiteral("log/widgets/"), QStringLiteral("log_widgets")},
        {QStringLiteral("log/"), QStringLiteral("log")},
        {QStringLiteral("run/lernprog/"), QStringLiteral("lernprog")},
        {QStringLiteral("run/widgets/"), QStringLiteral("run_widgets")},
        {QStringLiteral("run/"), QStringLiteral("run")},
        {QStringLiteral("voice/Speech.h"), QStringLiteral("speech")},
        {QStringLiteral("voice/"), QStringLiteral("voice")},
        {QStringLiteral("shell/"), QStringLiteral("shell")},
        {QStringLiteral("setup/"), QStringLiteral("setup")},
        // The library's public header lies outside src/.
        {QStringLiteral("bm_exports.h"), QStringLiteral("lernprog")},
    };
    return rooms;
}

// The rooms each room may include, itself aside: what its target links, directly or
// through the rooms it links.
const QHash<QString, QSet<QString>> &allowedUses()
{
    static const QHash<QString, QSet<QString>> uses = [] {
        const QHash<QString, QStringList> links = {
            {QStringLiteral("core"), {}},
            {QStringLiteral("lernprog"), {QStringLiteral("core")}},
            {QStringLiteral("speech"), {}},
            {QStringLiteral("voice"), {QStringLiteral("speech")}},
            {QStringLiteral("generators"), {QStringLiteral("core")}},
            {QStringLiteral("kinds"), {QStringLiteral("generators")}},
            {QStringLiteral("plan"), {QStringLiteral("kinds")}},
            {QStringLiteral("log"), {QStringLiteral("plan"), QStringLiteral("kinds")}},
            {QStringLiteral("log_widgets"), {QStringLiteral("log")}},
            {QStringLiteral("run"),
             {QStringLiteral("kinds"), QStringLiteral("speech"), QStringLiteral("lernprog")}},
            {QStringLiteral("run_widgets"), {QStringLiteral("run")}},
            {QStringLiteral("shell"), {QStringLiteral("run_widgets"), QStringLiteral("log_widgets")}},
            {QStringLiteral("setup"), {QStringLiteral("plan"), QStringLiteral("core")}},
        };
        QHash<QString, QSet<QString>> closed;
        const std::function<QSet<QString>(const QString &)> reach = [&](const QString &room) {
            QSet<QString> all;
            for (const QString &used : links.value(room))
                all += reach(used) + QSet<QString>{used};
            return all;
        };
        for (auto it = links.cbegin(); it != links.cend(); ++it)
            closed.insert(it.key(), reach(it.key()));
        return closed;
    }();
    return uses;
}

QString roomOf(const QString &path)
{
    for (const auto &[prefix, room] : roomOfPrefix()) {
        if (path.startsWith(prefix))
            return room;
    }
    return QString();
}

QString sourceDir()
{
    return QStringLiteral(BRIMBELO_SOURCE_DIR);
}

// Every .h and .cpp below src/, as paths relative to it.
QStringList sourceFiles()
{
    QStringList files;
    const QDir root(sourceDir());
    QDirIterator it(root.path(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << root.relativeFilePath(it.next());
    files.sort();
    return files;
}

QStringList quotedIncludes(const QString &file)
{
    QFile source(QDir(sourceDir()).filePath(file));
    if (!source.open(QIODevice::ReadOnly))
        return {QStringLiteral("<unreadable>")};
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+)\""),
                                            QRegularExpression::MultilineOption);
    QStringList found;
    for (const QRegularExpressionMatch &match : include.globalMatch(QString::fromUtf8(source.readAll())))
        found << match.captured(1);
    return found;
}

// A unit is a header with its source file: the path without its ending.
QString unitOf(const QString &path)
{
    return path.left(path.lastIndexOf(QLatin1Char('.')));
}

// The units included by each unit, itself aside.
QHash<QString, QSet<QString>> unitGraph()
{
    QHash<QString, QSet<QString>> graph;
    for (const QString &file : sourceFiles()) {
        QSet<QString> &uses = graph[unitOf(file)];
        for (const QString &included : quotedIncludes(file)) {
            if (unitOf(included) != unitOf(file) && QFile::exists(QDir(sourceDir()).filePath(included)))
                uses.insert(unitOf(included));
        }
    }
    return graph;
}

// The top folders under src/ and the top folders each includes, itself aside: the
// folders are the layers a newcomer sees, so they must not include each other in circles.
QHash<QString, QSet<QString>> folderGraph()
{
    const auto topFolder = [](const QString &path) { return path.section(QLatin1Char('/'), 0, 0); };
    QHash<QString, QSet<QString>> graph;
    const QHash<QString, QSet<QString>> units = unitGraph();
    for (auto it = units.cbegin(); it != units.cend(); ++it) {
        QSet<QString> &uses = graph[topFolder(it.key())];
        for (const QString &used : it.value()) {
            if (topFolder(used) != topFolder(it.key()))
                uses.insert(topFolder(used));
        }
    }
    return graph;
}

// One circle of the graph as the list of its units, the first repeated at the end; empty
// when there is none.
QStringList findCircle(const QHash<QString, QSet<QString>> &graph)
{
    enum class Mark { Open, Done };
    QHash<QString, Mark> marks;
    QStringList path;
    QStringList circle;
    const std::function<bool(const QString &)> visit = [&](const QString &unit) {
        marks.insert(unit, Mark::Open);
        path << unit;
        QStringList next(graph.value(unit).cbegin(), graph.value(unit).cend());
        next.sort();
        for (const QString &used : next) {
            if (marks.contains(used) && marks.value(used) == Mark::Open) {
                circle = path.mid(path.indexOf(used)) << used;
                return true;
            }
            if (!marks.contains(used) && visit(used))
                return true;
        }
        path.removeLast();
        marks.insert(unit, Mark::Done);
        return false;
    };
    QStringList units = graph.keys();
    units.sort();
    for (const QString &unit : units) {
        if (!marks.contains(unit) && visit(unit))
            return circle;
    }
    return {};
}

} // namespace

class TestLayers : public QObject
{
    Q_OBJECT

private slots:
    void sourcesNotFound()
    {
        // A wrong source folder would let every other check pass on nothing.
        QVERIFY2(sourceFiles().size() > 100, qPrintable(sourceDir()));
        QVERIFY(sourceFiles().contains(QStringLiteral("run/widgets/TForm2.cpp")));
    }

    void wrongWayAllowedByTheRoomTable_data()
    {
        QTest::addColumn<QString>("room");
        QTest::addColumn<QString>("used");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("generators use run") << "generators" << "run" << false;
        QTest::newRow("log uses run") << "log" << "run" << false;
        QTest::newRow("run uses log") << "run" << "log" << false;
        QTest::newRow("run logic uses its windows") << "run" << "run_widgets" << false;
        QTest::newRow("log logic uses its windows") << "log" << "log_widgets" << false;
        QTest::newRow("exercise window uses the shell") << "run_widgets" << "shell" << false;
        QTest::newRow("log windows use the exercise window") << "log_widgets" << "run_widgets" << false;
        QTest::newRow("the bottom room uses the kinds") << "core" << "kinds" << false;
        QTest::newRow("generators use the kinds") << "generators" << "kinds" << false;
        QTest::newRow("the library uses the run") << "lernprog" << "run" << false;
        QTest::newRow("the program links the voice") << "shell" << "voice" << false;
        QTest::newRow("the class set-up reads the log") << "setup" << "log" << false;
        QTest::newRow("the plan reads the log") << "plan" << "log" << false;
        QTest::newRow("the run reads the plan") << "run" << "plan" << false;
        QTest::newRow("the class set-up writes the plan") << "setup" << "plan" << true;
        QTest::newRow("exercise window uses the generators") << "run_widgets" << "generators" << true;
        QTest::newRow("the log reads the kinds") << "log" << "kinds" << true;
        QTest::newRow("shell uses the log windows") << "shell" << "log_widgets" << true;
    }
    void wrongWayAllowedByTheRoomTable()
    {
        QFETCH(QString, room);
        QFETCH(QString, used);
        QFETCH(bool, allowed);
        QVERIFY(allowedUses().contains(room));
        QCOMPARE(allowedUses().value(room).contains(used), allowed);
    }

    void includeAgainstTheDirection_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &file : sourceFiles())
            QTest::newRow(qPrintable(file)) << file;
    }
    void includeAgainstTheDirection()
    {
        QFETCH(QString, file);
        const QString room = roomOf(file);
        QVERIFY2(allowedUses().contains(room), "the file lies in no room");
        for (const QString &included : quotedIncludes(file)) {
            const QString usedRoom = roomOf(included);
            QVERIFY2(!usedRoom.isEmpty(), qPrintable(included + QStringLiteral(" lies in no room")));
            if (included != QLatin1String("bm_exports.h"))
                QVERIFY2(QFile::exists(QDir(sourceDir()).filePath(included)),
                         qPrintable(included + QStringLiteral(" is not there")));
            QVERIFY2(usedRoom == room || allowedUses().value(room).contains(usedRoom),
                     qPrintable(QStringLiteral("%1 (%2) includes %3 (%4)").arg(file, room, included, usedRoom)));
        }
    }

    void fileTooLong_data() { includeAgainstTheDirection_data(); }
    void fileTooLong()
    {
        QFETCH(QString, file);
        QFile source(QDir(sourceDir()).filePath(file));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QVERIFY2(source.readAll().count('\n') <= 400, "over 400 lines");
    }

    void folderHoldsTooManyUnits()
    {
        QHash<QString, QSet<QString>> unitsIn;
        for (const QString &file : sourceFiles())
            unitsIn[QFileInfo(file).path()].insert(unitOf(file));
        for (auto it = unitsIn.cbegin(); it != unitsIn.cend(); ++it)
            QVERIFY2(it.value().size() <= 16, qPrintable(it.key()));
    }

    void circleOverlooked()
    {
        const QHash<QString, QSet<QString>> circular = {{QStringLiteral("a"), {QStringLiteral("b")}},
                                                        {QStringLiteral("b"), {QStringLiteral("c")}},
                                                        {QStringLiteral("c"), {QStringLiteral("a")}}};
        QCOMPARE(findCircle(circular).size(), 4);
        QVERIFY(findCircle({{QStringLiteral("a"), {QStringLiteral("b")}}, {QStringLiteral("b"), {}}}).isEmpty());
    }

    void circleBetweenFolders()
    {
        const QHash<QString, QSet<QString>> graph = folderGraph();
        QVERIFY(graph.contains(QStringLiteral("core")));
        const QStringList circle = findCircle(graph);
        QVERIFY2(circle.isEmpty(), qPrintable(circle.join(QStringLiteral(" -> "))));
    }

    void circleBetweenUnits()
    {
        const QStringList circle = findCircle(unitGraph());
        QVERIFY2(circle.isEmpty(), qPrintable(circle.join(QStringLiteral(" -> "))));
    }
};

QTEST_APPLESS_MAIN(TestLayers)
#include "tst_layers.moc"
