#include "log/widgets/FitToContent.h"

#include "log/LogViewerLayout.h"
#include "log/class/ClassTable.h"
#include "log/widgets/TProtokollZeilen.h"

#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

namespace {

// The header's room around its text: the style's margin on both sides and a little air.
constexpr int HeaderPadding = 12;

// What the window frame adds to the inside size; nothing before the window first stands.
QSize frameOf(const QWidget *window)
{
    return window->frameGeometry().size() - window->size();
}

// The frame the window has, or before it first stands the one its parent has: the same
// window manager's.
QSize expectedFrameOf(const QWidget *window)
{
    const QWidget *parent = window->parentWidget() != nullptr ? window->parentWidget()->window() : window;
    return frameOf(window).isEmpty() ? frameOf(parent) : frameOf(window);
}

// Moved, as little as it takes, wholly onto the screen's free area. Until the window
// manager has framed the window its place is unknown, so it is centred there instead.
void keepOnScreen(QWidget *window)
{
    const QRect area = window->screen()->availableGeometry();
    const QSize outer = window->size() + expectedFrameOf(window);
    if (frameOf(window).isEmpty()) {
        window->move(area.left() + (area.width() - outer.width()) / 2, area.top() + (area.height() - outer.height()) / 2);
        return;
    }
    const int x = std::max(area.left(), std::min(window->x(), area.left() + area.width() - outer.width()));
    const int y = std::max(area.top(), std::min(window->y(), area.top() + area.height() - outer.height()));
    window->move(x, y);
}

} // namespace

void FitLogViewerToLines(QWidget *viewer, const TProtokollZeilen *memo, QSize closeButtonSize, QSize designedOuter)
{
    const QSize memoChrome = memo->size() - memo->viewport()->size();
    const QSize frame = frameOf(viewer);
    viewer->resize(LogViewerInsideFor(memo->contentSize(), memoChrome, closeButtonSize, designedOuter - frame,
                                      viewer->screen()->availableGeometry().size() - frame));
    keepOnScreen(viewer);
}

void FitClassColumnsToTitles(QTableWidget *table, int headerLines, int runsColumnWidth, int narrowestColumn)
{
    const QFontMetrics metrics(table->horizontalHeader()->font());
    const auto advance = [&metrics](const QString &text) { return metrics.horizontalAdvance(text); };
    for (int column = 0; column < table->columnCount(); ++column) {
        const QTableWidgetItem *header = table->horizontalHeaderItem(column);
        const QString title = header != nullptr ? header->text() : QString();
        table->setColumnWidth(column, column == 0 ? runsColumnWidth
                                                  : TitleColumnWidth(title, headerLines, narrowestColumn,
                                                                        HeaderPadding, advance));
    }
}

void FitClassOverviewToTable(QWidget *overview, const QTableWidget *table)
{
    if (overview->layout() != nullptr)
        overview->layout()->activate();
    int width = table->verticalHeader()->sizeHint().width();
    for (int column = 0; column < table->columnCount(); ++column)
        width += table->columnWidth(column);
    int height = table->horizontalHeader()->height();
    for (int row = 0; row < table->rowCount(); ++row)
        height += table->rowHeight(row);
    const int scrollBar = table->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize shown = QSize(width, height) + QSize(2 * table->frameWidth() + scrollBar, 2 * table->frameWidth() + scrollBar);
    const QSize around = overview->size() - table->size();
    overview->resize(ClassWindowSizeFor(shown, around, overview->screen()->availableGeometry().size()));
    keepOnScreen(overview);
}

QSize ScreenRoomOf(const QWidget *window)
{
    return window->screen()->availableGeometry().size() - expectedFrameOf(window);
}

void FitScrolledContentToScreen(QWidget *window, QScrollArea *scroll)
{
    // What the scrolled part needs, lines that wrap included, and room for the scroll bars
    // the toolkit shows at the least doubt.
    const QWidget *content = scroll->widget();
    QSize needed = content->sizeHint().expandedTo(content->minimumSizeHint());
    if (content->hasHeightForWidth())
        needed.setHeight(std::max(needed.height(), content->heightForWidth(needed.width())));
    needed += QSize(scroll->verticalScrollBar()->sizeHint().width(), scroll->horizontalScrollBar()->sizeHint().height());
    // What the rest of the window takes: its buttons and margins.
    const QSize besides = window->sizeHint() - scroll->sizeHint();
    scroll->setMinimumSize(needed.boundedTo(ScreenRoomOf(window) - besides));
    // Not adjustSize(): it would hold a window to two thirds of the screen.
    window->resize((scroll->minimumSize() + besides).expandedTo(window->minimumSizeHint()));
    keepOnScreen(window);
}
