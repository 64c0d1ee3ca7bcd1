#include "run/lernprog/Lernprog.h"

#include <QElapsedTimer>
#include <array>

namespace {

constexpr int HareRow = 20;
constexpr int Rows = 25;
constexpr int Hares = 5;

constexpr QSize Square(100, 100);

const std::array<RewardAnimation, 29> Catalogue = {{
    {"DANCE_1", "DANCE_2", 0, 0, 40, {100, 108}, {100, 108}},
    {"PLANE_1", "PLANE_2", 2, 1, 0, Square, Square},
    {"AUTO_1", "AUTO_2", 3, 0, 0, Square, Square},
    {"LAMPE_1", "LAMPE_2", 0, 0, 0, {100, 105}, {100, 105}},
    {"V_1", "V_2", 0, 0, 0, Square, Square},
    {"DAUM_1", "DAUM_2", 0, 0, 0, Square, Square},
    {"SHUTTLE_1", "SHUTTLE_2", 0, 3, 0, {80, 105}, {80, 105}},
    {"STIEFEL_1", "STIEFEL_2", 2, -1, 0, Square, Square},
    {"ELE_1", "ELE_2", 0, 0, 40, {92, 106}, {92, 102}},
    {"PIG_1", "PIG_2", 3, 0, 30, Square, Square},
    {"BEE_1", "BEE_2", 0, 0, 80, {95, 105}, {95, 105}},
    {"HUND_QX1", "HUND_QX2", 0, 0, 120, {120, 119}, {120, 119}},
    {"HUND_QY1", "HUND_QY2", 0, 0, 120, {120, 120}, {120, 120}},
    {"HUND_QZ1", "HUND_QZ2", 0, 0, 120, {120, 120}, {120, 120}},
    {"TOMATO_1", "TOMATO_2", 0, 0, 120, {102, 71}, {102, 71}},
    {"HUHN_1", "HUHN_2", 0, 0, 120, {126, 93}, {126, 93}},
    {"STEIN_1", "STEIN_2", 0, 0, 120, Square, Square},
    {"BIKE_1", "BIKE_2", 0, -1, 180, {80, 106}, {80, 106}},
    {"RAK_1", "RAK_2", 2, 1, 20, {114, 87}, {114, 87}},
    {"JOG_1", "JOG_2", 0, 0, 120, {54, 150}, {54, 150}},
    {"XQ_HASE1", "XQ_HASE2", 0, 0, 75, {110, 90}, {110, 90}},
    {"QY_HASE1", "QY_HASE2", 0, 0, 200, {125, 80}, {125, 80}},
    {"QX_HASE1", "QX_HASE2", 0, 0, 150, {128, 72}, {128, 72}},
    {"YQ_HASE1", "YQ_HASE2", 0, 0, 100, {123, 77}, {123, 77}},
    {"ZQ_HASE1", "ZQ_HASE2", 0, 0, 100, {101, 68}, {101, 68}},
    {"EI_1", "EI_2", 0, 0, 250, {60, 100}, {60, 100}},
    {"PANDA_1", "PANDA_2", 0, 0, 200, {52, 82}, {52, 82}},
    {"PINGU_1", "PINGU_2", 0, 0, 200, {76, 86}, {76, 86}},
    {"JIB_1", "JIB_2", 0, 0, 350, Square, Square},
}};

const char Credits[] =
    "  Herzlichen Dank an alle Kinder, die Animationen gemalt haben:\r"
    "      Lena (2), Jonas, Mira, Tim (2), Paula, Emil, Greta, Noah (2)\r"
    "      Karla, Luis, Frieda (2), Matti, Svenja, Ole, Hanna, Jakob\r"
    "      Piet, Wilma (2), Anton, Lotta, Finn, Merle, Oskar\r"
    "      Klasse 3b\r"
    "\r"
    "  Wer eigene Animationen beisteuern m\xF6" "chte, ist herzlich eingeladen,\r"
    "  seine Ideen hier einzubringen. Dabei sollten die folgenden Bedingungen\r"
    "  eingehalten werden:\r"
    "\r"
    "      1.) Zwei Bilder pro Animation\r"
    "      2.) Ungef\xE4" "hre Bildgr\xF6" "\xDF" "e: 100 x 100 Pixel\r"
    "      3.) Dateiformat: 16-Farben-Bitmap\r"
    "\r"
    "  Die Dateien k\xF6" "nnen per e-Mail eingesandt werden an:\r"
    "      animationen@brimbelo.example\r"
    "\r"
    "  Geeignete Beitr\xE4" "ge werden in die jeweils n\xE4" "chste Version aufgenommen,\r"
    "  die - falls gew\xFC" "nscht - per e-Mail zur\xFC" "ck gesandt werden kann.\r"
    "\r"
    "  Vielen Dank f\xFC" "r alle Beitr\xE4" "ge und Anregungen!\r"
    "\r"
    "  Das Brimbelo-Team, Lernwerkstatt am Sonnenhang, im Dezember 2026";

static_assert(sizeof(Credits) == 901, "the credits are 900 characters and a terminating zero");

} // namespace

std::span<const RewardAnimation> RewardAnimations()
{
    return Catalogue;
}

const RewardAnimation &PickRewardAnimation(Random &random)
{
    const int row = random.below(Rows);
    if (row < HareRow)
        return Catalogue[row];
    if (row == HareRow)
        return Catalogue[HareRow + random.below(Hares)];
    return Catalogue[row + Hares - 1];
}

quint32 TickCount()
{
    // The monotonic clock counts from the system's start; its low 32 bits wrap like the
    // tick counter other programs of the family expect.
    QElapsedTimer now;
    now.start();
    return quint32(now.msecsSinceReference());
}

const char *AnimationCredits()
{
    return Credits;
}
