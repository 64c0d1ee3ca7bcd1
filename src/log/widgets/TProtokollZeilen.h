#pragma once
// The log viewer's lines as a list that draws only the rows in view, so that a log of a
// hundred thousand runs stands on the screen as soon as a short one. Whole lines are
// selected and copied; nothing in it can be changed.

#include "log/LogView.h"

#include <QListView>

class QMenu;
class ViewerLinesModel;

class TProtokollZeilen : public QListView
{
    Q_OBJECT
public:
    explicit TProtokollZeilen(QWidget *parent = nullptr);

    void setLines(LogViewRows lines);
    qsizetype lineCount() const;
    // What every line takes, laid out whole: the longest line's width, all lines' height.
    QSize contentSize() const;
    // The lines as one text; a text shown line by line (what is said while a log is read).
    QString toPlainText() const;
    void setPlainText(const QString &text);
    // "Kopieren" and "Alles auswählen", in the toolkit's words; the caller owns the menu.
    QMenu *createStandardContextMenu();
    // Puts the selected lines, in their order, on the clipboard.
    void copy() const;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    ViewerLinesModel *lines_;
};
