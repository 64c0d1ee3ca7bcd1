#include "log/TLogbuch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

TLogbuch *Logbuch = nullptr;

namespace {

// The window as laid out, and the margins that resizing keeps.
constexpr QPoint DesignedPosition(192, 116);
constexpr QSize DesignedSize(595, 334);
constexpr QRect DesignedMemo(7, 7, 462, 208);
constexpr QSize ButtonSize(65, 20);
constexpr int MemoBottomMargin = 77;
constexpr int ButtonBottomMargin = 60;

void showPlainMessage(const QString &text, QWidget *parent)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

TLogbuch::TLogbuch(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Protokoll"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(10);
    setFont(font);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(DesignedMemo);
    Button1 = new QPushButton(QStringLiteral("Schließen"), this);
    Button1->resize(ButtonSize);
    setTabOrder(Memo1, Button1);
    connect(Button1, &QPushButton::clicked, this, &TLogbuch::Button1Click);

    move(DesignedPosition);
    resize(DesignedSize);
    FormCreate();
}

void TLogbuch::FormCreate()
{
    Memo1->setReadOnly(true);
    // Read-only, yet the arrow keys still move through the lines.
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setTabChangesFocus(true);
    Memo1->setFont(QFont(QStringLiteral("Courier New"), 8));
    Memo1->installEventFilter(this);

    Button1->setDefault(true);
    FormResize();
}

void TLogbuch::ShowLogFile(const QString &fileName)
{
    setWindowTitle(fileName);
    QStringList records;
    ReportLogOutcome(ReadLogFile(fileName, records), QApplication::activeWindow());
    Memo1->setPlainText(LogViewLines(records).join(QLatin1Char('\n')));
}

void TLogbuch::Button1Click()
{
    close();
}

void TLogbuch::FormActivate()
{
    Button1->setFocus();
}

// The memo fills the window but for its margins; the button stays centred below it.
void TLogbuch::FormResize()
{
    Memo1->resize(width() - 2 * Memo1->x(), height() - MemoBottomMargin);
    Button1->move((width() - Button1->width()) / 2, height() - ButtonBottomMargin);
}

bool TLogbuch::Memo1KeyDown(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    close();
    return true;
}

// Typed characters never reach the memo, nor the default button behind it; Tab still
// moves on to the button.
bool TLogbuch::Memo1KeyPress(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty() || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    const char16_t code = text.at(0).unicode();
    return code >= 1 && code <= 255;
}

void TLogbuch::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TLogbuch::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

bool TLogbuch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (Memo1KeyDown(key) || Memo1KeyPress(key))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ReportLogOutcome(const LogOutcome &outcome, QWidget *parent)
{
    const QString message = LogOutcomeMessage(outcome);
    if (message.isEmpty())
        return;
    if (outcome.status == LogStatus::IoError)
        QMessageBox::critical(parent, QGuiApplication::applicationDisplayName(), message);
    else
        showPlainMessage(message, parent);
}

void LogFinishedRun(const RunResult &result)
{
    ReportLogOutcome(LogRun(result), QApplication::activeWindow());
}
