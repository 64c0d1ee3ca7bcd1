#include "log/widgets/LogMessages.h"

#include "core/ErrorCause.h"

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
