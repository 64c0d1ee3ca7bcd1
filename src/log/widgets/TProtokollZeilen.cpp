#include "log/widgets/TProtokollZeilen.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMenu>

#include <algorithm>
#include <memory>

// Every row is as high as a line of the font and as wide as the longest line, so the
// view never asks a row for its size and scrolls sideways to the end of the longest. A
// row's text is made when the view draws it.
class ViewerLinesModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(lines.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= lines.size())
            return {};
        if (role == Qt::DisplayRole)
            return lines.line(index.row());
        if (role == Qt::SizeHintRole)
            return rowSize;
        return {};
    }
    void setLines(LogViewRows shown, const QFont &font)
    {
        beginResetModel();
        lines = std::move(shown);
        rowSize = sizeFor(font);
        endResetModel();
    }
    void setFont(const QFont &font)
    {
        emit layoutAboutToBeChanged();
        rowSize = sizeFor(font);
        emit layoutChanged();
    }

    LogViewRows lines;
    QSize rowSize;

private:
    // The font is fixed-width: the line with the most characters is the widest.
    QSize sizeFor(const QFont &font) const
    {
        const QFontMetrics metrics(font);
        const int margin = 2 * metrics.averageCharWidth();
        const qsizetype longest = lines.longestRow();
        return {(longest < 0 ? 0 : metrics.horizontalAdvance(lines.line(longest))) + margin, metrics.lineSpacing()};
    }
};

TProtokollZeilen::TProtokollZeilen(QWidget *parent) : QListView(parent), lines_(new ViewerLinesModel(this))
{
    setModel(lines_);
    setUniformItemSizes(true);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void TProtokollZeilen::setLines(LogViewRows lines)
{
    lines_->setLines(std::move(lines), font());
}

qsizetype TProtokollZeilen::lineCount() const
{
    return lines_->lines.size();
}

QSize TProtokollZeilen::contentSize() const
{
    return {lines_->rowSize.width(), lines_->rowSize.height() * int(lines_->lines.size())};
}

QString TProtokollZeilen::toPlainText() const
{
    QStringList text;
    text.reserve(lines_->lines.size());
    for (qsizetype row = 0; row < lines_->lines.size(); ++row)
        text.append(lines_->lines.line(row));
    return text.join(QLatin1Char('\n'));
}

void TProtokollZeilen::setPlainText(const QString &text)
{
    setLines(LogViewRows::AsTheyStand(text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'))));
}

QMenu *TProtokollZeilen::createStandardContextMenu()
{
    // The toolkit's own words for the text boxes' menu, so that its translation applies.
    auto *menu = new QMenu(this);
    QAction *copying = menu->addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"), this,
                                       &TProtokollZeilen::copy);
    copying->setEnabled(selectionModel()->hasSelection());
    menu->addSeparator();
    QAction *all = menu->addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"), this,
                                   &QAbstractItemView::selectAll);
    all->setEnabled(lineCount() > 0);
    return menu;
}

void TProtokollZeilen::copy() const
{
    QModelIndexList selected = selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QStringList text;
    text.reserve(selected.size());
    for (const QModelIndex &row : selected)
        text.append(lines_->lines.line(row.row()));
    QApplication::clipboard()->setText(text.join(QLatin1Char('\n')));
}

void TProtokollZeilen::contextMenuEvent(QContextMenuEvent *event)
{
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    menu->exec(event->globalPos());
}

void TProtokollZeilen::changeEvent(QEvent *event)
{
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        lines_->setFont(font());
}
