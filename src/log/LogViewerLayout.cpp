#include "log/LogViewerLayout.h"

#include <algorithm>

namespace {

constexpr QPoint MemoCorner(7, 7);
constexpr int MemoBottomMargin = 77;     // from the outer bottom edge
constexpr int ButtonBottomMargin = 60;   // from the outer bottom edge
constexpr int MemoButtonGap = 10;

} // namespace

LogViewerLayout LayOutLogViewer(QSize inside, QSize frame, QSize closeButtonSize)
{
    const int outerHeight = inside.height() + frame.height();
    // The button keeps the memo's margin to the inside bottom edge at least.
    const int buttonTop = std::min(outerHeight - ButtonBottomMargin,
                                   inside.height() - MemoCorner.y() - closeButtonSize.height());
    const int memoHeight = std::min(outerHeight - MemoBottomMargin, buttonTop - MemoButtonGap - MemoCorner.y());
    LogViewerLayout layout;
    layout.memo = QRect(MemoCorner, QSize(inside.width() - 2 * MemoCorner.x(), memoHeight));
    layout.closeButton = QPoint((inside.width() - closeButtonSize.width()) / 2, buttonTop);
    return layout;
}
