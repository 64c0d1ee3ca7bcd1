#include "shell/picker/ClassPicking.h"

#include "core/UserSettings.h"
#include "log/class/SharedClass.h"
#include "shell/SizeMenu.h"
#include "shell/StartAgain.h"
#include "shell/TInfoBox.h"
#include "shell/TTitelbild.h"
#include "shell/picker/TWerUebt.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QScreen>

namespace {

const QString PractisingLabel = QStringLiteral("WerUebtGerade");

// The title window's own: the title picture is painted beneath, so the label keeps a
// light ground of its own to stay readable.
QLabel *practisingLabelOf(TTitelbild *title)
{
    if (auto *label = title->findChild<QLabel *>(PractisingLabel))
        return label;
    auto *label = new QLabel(title);
    label->setObjectName(PractisingLabel);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(16);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("background: rgba(255, 255, 255, 230); border: 2px solid #2f4f86; "
                                        "border-radius: 8px; color: #2f4f86; padding: 4px 12px; margin: 10px;"));
    qobject_cast<QBoxLayout *>(title->layout())->addWidget(label, 0, Qt::AlignTop | Qt::AlignLeft);
    return label;
}

// A pick, before the child sees anything: her choices count from now, and when her own
// size differs the program begins again for her, once (true: this copy ends); the new
// start goes on with her.
bool startsAgainFor(const QString &child, const QString &startedFor, const QWidget *measured)
{
    KeepChoicesFor(child);
    return child != startedFor && OwnSizeDiffers(measured) && StartAgain();
}

// Her runs go to her folder, which a name the teacher added in the class overview gets
// only now; the sentence for her when it cannot be made.
QString leadRunsTo(const LogSettings &classSettings, const QString &child)
{
    const QString folderMissing = MakeChildFolder(classSettings, child);
    SetLogSettings(ChildLogSettings(classSettings, child));
    return folderMissing;
}

void tellChild(const QString &sentence, QWidget *over)
{
    if (sentence.isEmpty())
        return;
    TInfoBox notice(sentence, QPoint(), over);
    if (over != nullptr)
        notice.centreOver(over);
    notice.exec();
}

int screenHeight()
{
    return QGuiApplication::primaryScreen()->geometry().height();
}

} // namespace

void ShowWhoPractises(TTitelbild *title, const QString &child)
{
    QLabel *label = practisingLabelOf(title);
    label->setText(child + QStringLiteral(" übt"));
    label->setVisible(!child.isEmpty());
}

void AskWhoPractises(TTitelbild *title, const QStringList &names, const QString &startedFor)
{
    const LogSettings classSettings = logSettings();
    WerUebt = new TWerUebt(names, screenHeight());
    QObject::connect(WerUebt, &QDialog::finished, qApp, &QApplication::quit);
    QObject::connect(WerUebt, &TWerUebt::picked, title, [title, classSettings, startedFor](const QString &child) {
        if (startsAgainFor(child, startedFor, WerUebt))
            return;
        const QString folderMissing = leadRunsTo(classSettings, child);
        ShowWhoPractises(title, child);
        WerUebt->hide();
        title->show();
        tellChild(folderMissing, title);
    });
    // The title window's "Ende" hands the computer to the next child.
    QObject::connect(title, &QDialog::finished, WerUebt, [title, classSettings] {
        SetLogSettings(classSettings);
        KeepChoicesFor(QString());
        ShowWhoPractises(title, QString());
        WerUebt->show();
    });
    if (names.contains(startedFor)) {
        emit WerUebt->picked(startedFor);
    } else {
        KeepChoicesFor(QString());
        WerUebt->show();
    }
}

bool AskWhoPractisesOnce(const QStringList &names, const QString &startedFor)
{
    const LogSettings classSettings = logSettings();
    QString child = names.contains(startedFor) ? startedFor : QString();
    TWerUebt window(names, screenHeight());
    if (child.isEmpty()) {
        KeepChoicesFor(QString());
        QObject::connect(&window, &TWerUebt::picked, &window, [&window, &child](const QString &picked) {
            child = picked;
            window.accept();
        });
        window.exec();
        if (child.isEmpty() || startsAgainFor(child, startedFor, &window))
            return false;
    }
    KeepChoicesFor(child);
    tellChild(leadRunsTo(classSettings, child), nullptr);
    return true;
}
