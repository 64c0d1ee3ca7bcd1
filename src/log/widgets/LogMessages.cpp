#include "log/widgets/LogMessages.h"

#include "core/ErrorCause.h"
#include "log/AnswerRecord.h"
#include "log/ClassOverview.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSaveFile>

#include <cerrno>

void ShowPlainMessage(const QString &text, QWidget *parent)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}

void ReportLogOutcome(const LogOutcome &outcome, QWidget *parent)
{
    const QString message = LogOutcomeMessage(outcome);
    if (message.isEmpty())
        return;
    if (outcome.status == LogStatus::IoError)
        QMessageBox::critical(parent, QGuiApplication::applicationDisplayName(), message);
    else
        ShowPlainMessage(message, parent);
}

bool WriteExportedTable(const QString &path, const QByteArray &table, QWidget *parent)
{
    // Written aside and renamed at the end, so a failed export leaves no half-written file.
    // Children's grades are for the teacher's eyes only, whatever the folder allows.
    QSaveFile file(path);
    errno = 0;
    if (file.open(QIODevice::WriteOnly) && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        && file.write(table) == table.size() && file.commit())
        return true;
    // The toolkit's own description would be the system's English words.
    QMessageBox::critical(parent, QStringLiteral("Exportieren"),
                          QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden:\n%2")
                              .arg(QDir::toNativeSeparators(path), FileErrorCause(errno)));
    return false;
}

void LogFinishedRun(const RunResult &result)
{
    ReportLogOutcome(LogRun(result), QApplication::activeWindow());
}

void LogAnswer(const AnsweredTask &answer)
{
    LogAnsweredTask(answer);
}

bool RefuseExportIntoClassFolder(const QString &path, const QString &classFolder, QWidget *parent)
{
    if (!IsInsideFolder(path, classFolder))
        return false;
    QMessageBox::warning(parent, QStringLiteral("Exportieren"),
                         QStringLiteral("In den Klassenordner wird nichts geschrieben. "
                                        "Bitte einen Ort außerhalb des Klassenordners wählen."));
    return true;
}
