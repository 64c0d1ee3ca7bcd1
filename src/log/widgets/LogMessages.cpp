#include "log/widgets/LogMessages.h"

#include "log/AnswerRecord.h"
#include "log/ClassMistakes.h"
#include "log/ClassOverview.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

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
    const std::optional<QString> cause = WriteTableFile(path, table);
    if (!cause)
        return true;
    QMessageBox::critical(parent, QStringLiteral("Exportieren"),
                          QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden:\n%2")
                              .arg(QDir::toNativeSeparators(path), *cause));
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
