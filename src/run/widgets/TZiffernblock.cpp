#include "run/widgets/TZiffernblock.h"

#include "run/NumberPad.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

TZiffernblock::TZiffernblock(QWidget *box, QWidget *taskBox, QWidget *answerField, QAbstractButton *okButton)
    : QObject(box), m_answerField(answerField), m_okButton(okButton)
{
    m_showButton = new QPushButton(QStringLiteral("123"), taskBox);
    m_showButton->setObjectName(QStringLiteral("ZiffernblockKnopf"));
    m_showButton->setAccessibleName(QStringLiteral("Ziffernblock"));
    m_showButton->setToolTip(QStringLiteral("Ziffernblock zeigen oder verbergen"));
    m_showButton->setCheckable(true);
    // Reached by Tab, but a tap leaves the focus in the answer field; Enter stays "&Okay".
    m_showButton->setFocusPolicy(Qt::TabFocus);
    m_showButton->setAutoDefault(false);
    m_showButton->hide();
    connect(m_showButton, &QPushButton::clicked, this, &TZiffernblock::showOrHide);

    for (int i = 0; i < PadKeys().size(); ++i) {
        const PadKey &key = PadKeys().at(i);
        auto *button = new QPushButton(key.label, box);
        button->setObjectName(QStringLiteral("Ziffernblock ") + key.accessibleName);
        button->setAccessibleName(key.accessibleName);
        // The answer field keeps the focus, so the keyboard goes on typing there too.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, i] { press(i); });
        m_keys.append(button);
    }
}

void TZiffernblock::placeFor(const ExerciseLayout &layout, qint32 kind, QWidget *rewardSurface)
{
    m_layout = layout;
    m_kind = kind;
    m_rewardSurface = rewardSurface;
    const PadPlacement pad =
        PlaceNumberPad(layout, kind, rewardSurface->height(), NumberPadChosen(TouchScreenPresent()));
    const QRect button = PadButtonPlace(layout, m_okButton->y());
    m_showButton->setGeometry(button);
    QFont buttonFont = m_showButton->font();
    buttonFont.setPixelSize(button.height() * 2 / 5);
    m_showButton->setFont(buttonFont);
    m_showButton->setChecked(pad.shown);
    m_showButton->setVisible(pad.offered);
    rewardSurface->move(rewardSurface->x(), pad.rewardSurfaceTop);
    for (int i = 0; i < m_keys.size(); ++i) {
        if (pad.shown) {
            m_keys[i]->setGeometry(pad.keys.at(i));
            QFont font = m_keys[i]->font();
            font.setPixelSize(pad.keys.at(i).height() * 2 / 5);
            m_keys[i]->setFont(font);
        }
        m_keys[i]->setVisible(pad.shown);
    }
}

void TZiffernblock::hide()
{
    for (QPushButton *key : m_keys)
        key->hide();
    m_showButton->hide();
}

void TZiffernblock::showOrHide(bool shown)
{
    ChooseNumberPad(shown);
    if (m_rewardSurface != nullptr)
        placeFor(m_layout, m_kind, m_rewardSurface);
}

void TZiffernblock::press(int index)
{
    const PadKey &key = PadKeys().at(index);
    if (key.key == 0) {
        m_okButton->click();
        return;
    }
    // Sent as a key press, so the answer field's filter decides as for the keyboard.
    QKeyEvent typed(QEvent::KeyPress, key.key, Qt::NoModifier, key.text);
    QCoreApplication::sendEvent(m_answerField, &typed);
    QKeyEvent released(QEvent::KeyRelease, key.key, Qt::NoModifier, key.text);
    QCoreApplication::sendEvent(m_answerField, &released);
}
