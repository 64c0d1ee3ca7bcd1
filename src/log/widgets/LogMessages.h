#pragma once
// What the log's windows tell the user when reading, writing or exporting fails, in
// message boxes over parent; the causes are worded by the log room.

#include "log/LogFile.h"

#include <QByteArray>
#include <QString>

class QWidget;

// Tells the user what went wrong with the log, and then afterwards; nothing when all went well.
void ReportLogOutcome(const LogOutcome &outcome, QWidget *parent, const QString &afterwards = QString());

// Writes an exported table to path, telling the user if that fails.
bool WriteExportedTable(const QString &path, const QByteArray &table, QWidget *parent);

// A message box with text and no icon, for what is no error.
void ShowPlainMessage(const QString &text, QWidget *parent);
