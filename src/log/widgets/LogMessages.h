#pragma once
// What the log's windows tell the user when reading, writing or exporting fails, in
// message boxes over parent; the causes are worded by the log room.

#include "core/AnsweredTask.h"
#include "log/LogFile.h"

#include <QByteArray>
#include <QString>

class QWidget;

// Tells the user what went wrong with the log, and then afterwards; nothing when all went well.
void ReportLogOutcome(const LogOutcome &outcome, QWidget *parent, const QString &afterwards = QString());

// Writes an exported table to path, telling the user if that fails.
bool WriteExportedTable(const QString &path, const QByteArray &table, QWidget *parent);

// Whether path lies in the class folder, where nothing is written; tells the user so.
bool RefuseExportIntoClassFolder(const QString &path, const QString &classFolder, QWidget *parent);

// Appends an answered task to the answer record when the configuration logs. A failure
// is not shown: the child practises on, and the run's end tells of a log folder's trouble.
// The exercise window's answer signal is connected here.
void LogAnswer(const AnsweredTask &answer);

// A message box with text and no icon, for what is no error.
void ShowPlainMessage(const QString &text, QWidget *parent);
