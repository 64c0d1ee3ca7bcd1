#include "log/widgets/LogMessages.h"

#include "log/AnswerRecord.h"
#include "log/class/ClassMistakes.h"
#include "log/class/ClassOverview.h"
#include "log/widgets/Workers.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

void ShowPlainMessage(const QString &text, QWidget *parent)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}

void ReportLogOutcome(const LogOutcome &outcome, QWidget *parent, const QString &afterwards)
{
    QString message = LogOutcomeMessage(outcome);
    if (message.isEmpty())
        return;
    if (!afterwards.isEmpty())
        message += QStringLiteral("\n\n") + afterwards;
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

void LogAnswer(const AnsweredTask &answer)
{
    // On the worker that delivers the runs: a slow server never holds up the next task,
    // and the answers reach the file in the order they were given.
    RunDeliveryWorker().start([answer] { LogAnsweredTask(answer); });
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
