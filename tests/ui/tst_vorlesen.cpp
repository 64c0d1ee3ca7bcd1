// Reading aloud in the windows: the loudspeaker button keeps the answer field's focus and
// hands the task's text to the voice, covers no control of any kind at either layout, a
// new task, the correction and the end of the run stop or replace what is said, the menu
// entry is remembered, and without sound the button is disabled and the entry says why.

#include "WindowTestSupport.h"
#include "core/UserSettings.h"
#include "kinds/Kinds.h"
#include "RecordingSpeech.h"
#include "run/ProgramSpeech.h"
#include "run/SpokenText.h"
#include "run/widgets/TKorrektur.h"
#include "run/widgets/TVorleseKnopf.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>

namespace {

QAction *readAloudEntry()
{
    return Titelbild->findChild<QAction *>(QStringLiteral("Vorlesen"));
}

QMenu *infoMenu()
{
    for (QAction *menu : Titelbild->menuBar()->actions()) {
        if (menu->text() == QStringLiteral("&Info"))
            return menu->menu();
    }
    return nullptr;
}

bool storedChoice()
{
    return UserSettings().value("Vorlesen/Aufgaben").toBool();
}

} // namespace

class VorlesenTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menuEntryComesLastInInfoOffByDefaultAndIsRemembered();
    void buttonReadsTheTaskAndLeavesTheFocusInTheAnswerField();
    void keyboardReachesTheLoudspeaker_data();
    void keyboardReachesTheLoudspeaker();
    void newTaskStopsWhatTheButtonStarted();
    void checkedEntryReadsTasksWordsAndSolutionAndFallsSilentAtTheEnd();
    void withoutSoundButtonIsDisabledAndEntrySaysWhy();
    void withoutSoundOutputNeitherLooksReadyEvenAtFirst();
    void programFindsTheVoiceLibrary();
    void buttonCoversNoControlOfAnyKind_data();
    void buttonCoversNoControlOfAnyKind();

private:
    QTemporaryDir m_settings;
    RecordingSpeech m_voice;
};

void VorlesenTest::initTestCase()
{
    // No sound server, whatever runs on this machine.
    qputenv("PULSE_SERVER", m_settings.filePath(QStringLiteral("no-sound-server")).toUtf8());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    CreateProgramWindows();
}

void VorlesenTest::init()
{
    m_voice = RecordingSpeech();
    OverrideProgramSpeech(&m_voice);
}

void VorlesenTest::cleanup()
{
    if (Form2->isVisible())
        Form2->close();
    TForm2::overrideScreenHeight(0);
    ChooseReadTasksAloud(false);
    readAloudEntry()->setChecked(false);
    OverrideProgramSpeech(nullptr);
}

void VorlesenTest::menuEntryComesLastInInfoOffByDefaultAndIsRemembered()
{
    QMenu *info = infoMenu();
    QVERIFY(info != nullptr);
    QAction *entry = readAloudEntry();
    // It follows the last of the older entries; the pad and the size choice come after it.
    const QList<QAction *> items = info->actions();
    QCOMPARE(items.at(items.indexOf(info->findChild<QAction *>(QStringLiteral("Protokoll"), Qt::FindDirectChildrenOnly)) + 1), entry);
    QCOMPARE(entry->text(), QStringLiteral("Aufgaben &vorlesen"));
    QVERIFY(entry->isCheckable());
    QVERIFY(!entry->isChecked());
    entry->trigger();
    QVERIFY(storedChoice());
    entry->trigger();
    QVERIFY(!storedChoice());
}

void VorlesenTest::buttonReadsTheTaskAndLeavesTheFocusInTheAnswerField()
{
    QVERIFY(StartRun(301, QStringLiteral("Runde auf Zehner")));
    Form2->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form2));
    QCOMPARE(QApplication::focusWidget(), Form2->Edit1);
    QVERIFY(m_voice.said.isEmpty());

    QTest::mouseClick(Form2->Vorlesen, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), Form2->Edit1);
    QCOMPARE(m_voice.said.size(), 1);
    QString number = currentRun().currentTask.taskText;
    number.remove(QRegularExpression(QStringLiteral("[^0-9 ]")));
    QCOMPARE(m_voice.said.last(), "Runde " + SpokenNumbers(number.trimmed()) + " auf Zehner");

    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
    QCOMPARE(Form2->Edit1->text(), QStringLiteral("12"));
}

void VorlesenTest::keyboardReachesTheLoudspeaker_data()
{
    QTest::addColumn<bool>("byTab");
    QTest::newRow("its shortcut Alt+V") << false;
    QTest::newRow("Tab, then the space bar") << true;
}

void VorlesenTest::keyboardReachesTheLoudspeaker()
{
    QFETCH(bool, byTab);
    QVERIFY(StartRun(301, QStringLiteral("Runde auf Zehner")));
    Form2->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form2));
    QCOMPARE(QApplication::focusWidget(), Form2->Edit1);
    if (byTab) {
        for (int tabs = 0; tabs < 8 && QApplication::focusWidget() != Form2->Vorlesen; ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Form2->Vorlesen);
        QTest::keyClick(Form2->Vorlesen, Qt::Key_Space);
    } else {
        QTest::keyClick(Form2->Edit1, Qt::Key_V, Qt::AltModifier);
        QVERIFY(Form2->Edit1->text().isEmpty());
    }
    // A shortcut presses the button visibly, a moment later.
    QTRY_COMPARE(m_voice.said.size(), 1);
}

void VorlesenTest::newTaskStopsWhatTheButtonStarted()
{
    QVERIFY(StartRun(402, QStringLiteral("Zahlenfolgen")));
    Form2->Vorlesen->click();
    QVERIFY(m_voice.speaking);
    TypeAndEnter(ExpectedAnswerText());
    QVERIFY(QTest::qWaitFor([] { return currentRun().rightCount == 1; }));
    QVERIFY(!m_voice.speaking);
    QCOMPARE(m_voice.said.size(), 1);
}

void VorlesenTest::checkedEntryReadsTasksWordsAndSolutionAndFallsSilentAtTheEnd()
{
    readAloudEntry()->trigger();
    QVERIFY(StartRun(402, QStringLiteral("Zahlenfolgen")));
    const QString firstTask = Form2->Vorlesen->readAloud().spokenTask();
    QVERIFY(firstTask.startsWith(QStringLiteral("Ergänze die fehlende Zahl: ")));
    QCOMPARE(m_voice.said, QStringList{firstTask});

    TypeAndEnter(ExpectedAnswerText());
    QVERIFY(QTest::qWaitFor([] { return currentRun().rightCount == 1; }));
    const QString praise = Form2->Label2->text();
    QCOMPARE(m_voice.said.last(), praise + " " + Form2->Vorlesen->readAloud().spokenTask());

    ModalWatcher watcher;
    const QString solution = currentRun().currentTask.solutionText;
    TypeAndEnter(QString::number(currentRun().currentTask.expectedAnswer + 1));
    QVERIFY(QTest::qWaitFor([&] { return !watcher.corrections.isEmpty(); }));
    // One further than the step: the mistake is named on screen and read before the solution.
    const QString note = currentRun().mistakeNote;
    QVERIFY(note.startsWith(QStringLiteral("Achtung, Folge!")));
    QVERIFY(Korrektur->Hinweis->text().startsWith(QStringLiteral("Achtung, Folge!")));
    QCOMPARE(m_voice.said.last(), SpokenCorrection(402, Form2->Label2->text(), solution, note));
    QVERIFY(m_voice.speaking);

    QTest::keyClick(Form2->Edit1, Qt::Key_Escape);
    QVERIFY(!m_voice.speaking);
    QVERIFY(Form2->Vorlesen->isHidden());
}

void VorlesenTest::withoutSoundButtonIsDisabledAndEntrySaysWhy()
{
    RecordingSpeech mute(QStringLiteral("Keine deutsche Stimme gefunden"));
    OverrideProgramSpeech(&mute);
    QVERIFY(StartRun(403, QStringLiteral("Zählen")));
    QVERIFY(!Form2->Vorlesen->isEnabled());
    QCOMPARE(Form2->Vorlesen->toolTip(), QStringLiteral("Keine deutsche Stimme gefunden"));
    emit infoMenu()->aboutToShow();
    QVERIFY(!readAloudEntry()->isEnabled());
    QCOMPARE(readAloudEntry()->toolTip(), QStringLiteral("Keine deutsche Stimme gefunden"));

    OverrideProgramSpeech(&m_voice);
    emit infoMenu()->aboutToShow();
    QVERIFY(readAloudEntry()->isEnabled());
}

void VorlesenTest::withoutSoundOutputNeitherLooksReadyEvenAtFirst()
{
    // The real voice, loaded for the first time in this program by the menu or the task.
    OverrideProgramSpeech(nullptr);
    QAction *entry = readAloudEntry();
    emit infoMenu()->aboutToShow();
    QVERIFY(!entry->isEnabled());
    QVERIFY(StartRun(301, QStringLiteral("Runde auf Zehner")));
    QVERIFY(!Form2->Vorlesen->isEnabled());
    // Known without another task or opening the menu again.
    QTRY_COMPARE(Form2->Vorlesen->toolTip(), QStringLiteral("Keine Tonausgabe gefunden"));
    QVERIFY(!Form2->Vorlesen->isEnabled());
    QCOMPARE(entry->toolTip(), QStringLiteral("Keine Tonausgabe gefunden"));
    QVERIFY(!entry->isEnabled());
}

void VorlesenTest::programFindsTheVoiceLibrary()
{
    // The voice is loaded, not linked, in the background; once there it belongs to the
    // application. Without its library the program would say it has no voice.
    OverrideProgramSpeech(nullptr);
    ProgramSpeech().stop();
    QTRY_VERIFY(std::any_of(qApp->children().cbegin(), qApp->children().cend(), [](QObject *child) {
        return QLatin1String(child->metaObject()->className()) == QLatin1String("EspeakSpeech");
    }));
    QVERIFY(ProgramSpeech().unavailableReason() != QStringLiteral("Keine deutsche Stimme gefunden"));
}

void VorlesenTest::buttonCoversNoControlOfAnyKind_data()
{
    QTest::addColumn<qint32>("kind");
    QTest::addColumn<int>("screenHeight");
    for (const qint32 kind : {102, 109, 110, 203, 301, 401, 402, 403}) {
        for (const int height : {600, 768})
            QTest::addRow("%d at %d", kind, height) << kind << height;
    }
}

void VorlesenTest::buttonCoversNoControlOfAnyKind()
{
    QFETCH(qint32, kind);
    QFETCH(int, screenHeight);
    QVERIFY(StartRun(kind, FindKind(kind)->caption(), screenHeight));
    // A good run: the tasks are as large as they get.
    for (int i = 0; i < 12; ++i) {
        TypeAndEnter(ExpectedAnswerText());
        QVERIFY(QTest::qWaitFor([&] { return currentRun().rightCount == i + 1; }));
    }
    const QRect button = Form2->Vorlesen->geometry();
    QVERIFY(Form2->Vorlesen->isVisible());
    QVERIFY(Form2->GroupBox1->rect().contains(button));
    for (QWidget *control : std::initializer_list<QWidget *>{Form2->Label1, Form2->Label3, Form2->Edit1, Form2->BOk,
                                                             Form2->BEnde}) {
        if (control->isVisible() && !control->geometry().isEmpty())
            QVERIFY2(!control->geometry().intersects(button), qPrintable(control->objectName()));
    }
    const QString folder = qEnvironmentVariable("BRIMBELO_TOUR_DIR");
    if (!folder.isEmpty())
        Form2->grab().save(QDir(folder).filePath(QStringLiteral("vorlesen-%1-%2.png").arg(kind).arg(screenHeight)));
}

QTEST_MAIN(VorlesenTest)
#include "tst_vorlesen.moc"
