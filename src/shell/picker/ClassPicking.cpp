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
    WerUebt = new TWerUebt(names, QGuiApplication::primaryScreen()->geometry().height());
    QObject::connect(WerUebt, &QDialog::finished, qApp, &QApplication::quit);
    QObject::connect(WerUebt, &TWerUebt::picked, title, [title, classSettings, startedFor](const QString &child) {
        KeepChoicesFor(child);
        // Her own size: the toolkit takes it only at start, so the program begins again for
        // her, once; the new start goes on with her.
        if (child != startedFor && OwnSizeDiffers(WerUebt) && StartAgain())
            return;
        // A name the teacher added in the class overview has no folder before its first run.
        const QString folderMissing = MakeChildFolder(classSettings, child);
        SetLogSettings(ChildLogSettings(classSettings, child));
        ShowWhoPractises(title, child);
        WerUebt->hide();
        title->show();
        if (!folderMissing.isEmpty()) {
            TInfoBox notice(folderMissing, QPoint(), title);
            notice.centreOver(title);
            notice.exec();
        }
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
