#include "log/LogViewerLayout.h"

namespace {

constexpr QPoint MemoCorner(7, 7);
constexpr int ButtonBottomGap = 10;
constexpr int MemoButtonGap = 10;

} // namespace

LogViewerLayout LayOutLogViewer(QSize inside, QSize closeButtonSize)
{
    const int buttonTop = inside.height() - ButtonBottomGap - closeButtonSize.height();
    LogViewerLayout layout;
    layout.memo = QRect(MemoCorner, QSize(inside.width() - 2 * MemoCorner.x(),
                                          buttonTop - MemoButtonGap - MemoCorner.y()));
    layout.closeButton = QPoint((inside.width() - closeButtonSize.width()) / 2, buttonTop);
    return layout;
}

QSize LogViewerInsideFor(QSize content, QSize memoChrome, QSize closeButtonSize, QSize smallest, QSize largest)
{
    const QSize memo = content + memoChrome;
    const QSize inside(MemoCorner.x() + memo.width() + MemoCorner.x(),
                       MemoCorner.y() + memo.height() + MemoButtonGap + closeButtonSize.height() + ButtonBottomGap);
    return inside.expandedTo(smallest).boundedTo(largest);
}
