#include "setup/Commands.h"

#include "setup/Refusal.h"
#include "setup/shared/SharedLayout.h"

#include <unistd.h>

#include <algorithm>

const std::vector<Command> &Commands()
{
    static const std::vector<Command> commands = {
        {"einrichten", "brimbelo-klasse einrichten ORDNER --gruppe GRUPPE [--konfig ORDNER] KONTO...\n"
                       "  brimbelo-klasse einrichten ORDNER --gruppe GRUPPE --gemeinsam KONTO [--konfig ORDNER] NAME...", SetUpClass},
        {"entfernen", "brimbelo-klasse entfernen ORDNER [--archiv DATEI] [--konfig ORDNER] KONTO...", RemoveChildren},
        {"verschieben", "brimbelo-klasse verschieben VON NACH [--konfig ORDNER] KONTO...", MoveChildren},
        {"gruppe", "brimbelo-klasse gruppe ORDNER GRUPPE", ChangeTeachers},
        {"liste", "brimbelo-klasse liste [ORDNER] [--konfig ORDNER]", ListClasses},
        {"pruefen", "brimbelo-klasse pruefen ORDNER [--reparieren] [--konfig ORDNER]", CheckClass},
        {"streichen", "brimbelo-klasse streichen ORDNER NAME...", StrikeNames},
        {"plan", "brimbelo-klasse plan ORDNER [--stufe 1..4] [--uebungen CODE,CODE,...] [--aufgaben N] [--heute CODE] [--kind KONTO]", PlanClass},
    };
    return commands;
}

std::string HelpText()
{
    std::string text = "Aufruf:\n";
    for (const Command &command : Commands())
        text += "  " + command.usage + "\n";
    return text + R"(
einrichten: Richtet den Klassenordner ORDNER mit einem Protokollordner für jedes KONTO ein.
Jedes Kind schreibt nur sein eigenes Protokoll, die Mitglieder von GRUPPE lesen die ganze
Klasse. Schreibt für jedes Konto einen Eintrag in den Ordner der Schule: den nennt
Klassenordner= in /etc/brimbelo/wolf.cfg (oder in der wolf.cfg von --konfig ORDNER), sonst
/srv/brimbelo. wolf.cfg selbst bleibt unverändert.
Ein erneuter Aufruf mit weiteren Konten fügt sie hinzu und ändert sonst nichts.
Mit --gemeinsam KONTO üben alle Kinder auf diesem einen Konto: jeder NAME bekommt einen
Protokollordner, bm fragt zuerst „Wer übt?“. Die Klassenliste steht im Klassenordner.
entfernen: Ein Kind verlässt die Klasse; sein Ordner wird mit allem darin gelöscht,
mit --archiv DATEI vorher in eine Datei gepackt, die nur root lesen kann.
verschieben: Ein Kind wechselt in die Klasse NACH; in VON bleibt nichts von ihm.
gruppe: Die Klasse bekommt eine andere Gruppe von Lehrkräften, für alle Ordner und Dateien.
liste: Was eingerichtet ist: die Kinder einer Klasse, ohne ORDNER die Einträge der Konten
(im Ordner der Schule und, von früheren Einrichtungen, in /etc/brimbelo/konten).
pruefen: Nennt, was in der Klasse und im Ordner der Schule nicht stimmt (mit --reparieren
behoben); Status 1 dann.
streichen: Nimmt Namen aus der Klassenliste eines gemeinsamen Kontos; ihre Ordner bleiben.
plan: Zeigt den Plan der Klasse (mit --kind den eines Kindes) oder ändert ihn: welche Übungen
im Menü stehen, wie viele Aufgaben eine Runde hat (0: wie bisher), die Übung für heute.
Siehe brimbelo-klasse(8).
)";
}

std::string CommandLine::value(const std::string &option, const std::string &fallback) const
{
    const auto found = values.find(option);
    return found == values.end() ? fallback : found->second;
}

std::vector<std::string> CommandLine::accounts(std::size_t first) const
{
    std::vector<std::string> names;
    for (std::size_t i = first; i < words.size(); ++i) {
        if (std::find(names.begin(), names.end(), words[i]) != names.end())
            throw Refusal(words[i] + " ist zweimal angegeben.");
        names.push_back(words[i]);
    }
    return names;
}

CommandLine ReadCommandLine(const Arguments &arguments, const std::map<std::string, std::string> &valueOptions,
                            const std::set<std::string> &flagOptions)
{
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &word = arguments[i];
        if (const auto option = valueOptions.find(word); option != valueOptions.end()) {
            if (i + 1 == arguments.size())
                throw Refusal(option->second);
            line.values[word] = arguments[++i];
        } else if (flagOptions.count(word)) {
            line.flags.insert(word);
        } else if (!word.empty() && word[0] == '-') {
            throw Refusal("Unbekannte Angabe " + word + " (siehe brimbelo-klasse --help).");
        } else {
            line.words.push_back(word);
        }
    }
    return line;
}

void RequireRoot(const std::string &sentence)
{
    if (::geteuid() != 0)
        throw Refusal(sentence);
}

Folder ExistingClass(const std::string &path)
{
    const std::string checked = CheckedFolderPath(path, "Der Klassenordner");
    std::optional<Folder> folder = OpenTrustedPath(checked, Missing::Leave, 0711, IsSharedClassFolder);
    if (!folder)
        throw Refusal("Den Klassenordner " + checked + " gibt es nicht.");
    return std::move(*folder);
}
