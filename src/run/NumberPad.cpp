#include "run/NumberPad.h"

#include "core/UserSettings.h"
#include "core/Generation.h"
#include "kinds/Kinds.h"

#include <QInputDevice>

#include <algorithm>

namespace {

const QString ChoiceKey = QStringLiteral("Ziffernblock/Gezeigt");

constexpr int KeysPerRow = 6;
constexpr int KeySize = 40;   // at the small layout; the large one scales it
constexpr int KeyGap = 2;
constexpr int FrameMargin = 2;
// Where the reward animation stands without the pad.
constexpr int RewardSurfaceTop = 72;

} // namespace

const QList<PadKey> &PadKeys()
{
    static const QList<PadKey> keys = [] {
        QList<PadKey> all;
        for (int digit = 1; digit <= 9; ++digit) {
            const QString text = QString::number(digit);
            all.append({text, text, Qt::Key_0 + digit, text});
        }
        all.append({QStringLiteral("0"), QStringLiteral("0"), Qt::Key_0, QStringLiteral("0")});
        all.append({QStringLiteral("⌫"), QStringLiteral("Löschen"), Qt::Key_Backspace, QString()});
        all.append({QStringLiteral("OK"), QStringLiteral("OK"), 0, QString()});
        return all;
    }();
    return keys;
}

bool NumberPadChosen(bool touchScreenPresent)
{
    return UserSettings().value(ChoiceKey, touchScreenPresent).toBool();
}

void ChooseNumberPad(bool chosen)
{
    UserSettings().setValue(ChoiceKey, chosen);
}

bool TouchScreenPresent()
{
    const QList<const QInputDevice *> devices = QInputDevice::devices();
    return std::any_of(devices.begin(), devices.end(),
                       [](const QInputDevice *device) {
                           return device->type() == QInputDevice::DeviceType::TouchScreen;
                       });
}

PadPlacement PlaceNumberPad(const ExerciseLayout &layout, qint32 kind, int rewardSurfaceHeight, bool chosen)
{
    PadPlacement pad;
    pad.rewardSurfaceTop = RewardSurfaceTop;
    const KindInfo *info = FindKind(kind);
    pad.offered = info == nullptr || !info->answeredByPointing();
    if (!chosen || !pad.offered)
        return pad;
    pad.shown = true;
    const int size = ScaledRound(KeySize * layout.scale);
    const int gap = ScaledRound(KeyGap * layout.scale);
    const int rows = int(PadKeys().size() + KeysPerRow - 1) / KeysPerRow;
    const int width = KeysPerRow * size + (KeysPerRow - 1) * gap;
    const int height = rows * size + (rows - 1) * gap;
    const int left = (layout.feedbackBox.width() - width) / 2;
    const int top = layout.feedbackBox.height() - FrameMargin - gap - height;
    for (int i = 0; i < PadKeys().size(); ++i)
        pad.keys.append(QRect(left + i % KeysPerRow * (size + gap), top + i / KeysPerRow * (size + gap), size, size));
    pad.rewardSurfaceTop = std::min(RewardSurfaceTop, top - gap - rewardSurfaceHeight);
    return pad;
}
