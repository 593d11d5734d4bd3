// The real program in the session's language, read back as a screen reader reads it (AT-SPI):
// the controls' names and the report for a pipe and for a file gone meanwhile.
#include "e2e/harness.h"
#include "support/tempdir.h"

#include <atspi/atspi.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace e2e {
namespace {

struct Node
{
    std::string role, name;
    AtspiRect box {};
};

std::string taken(gchar *owned)
{
    std::string copy = owned ? owned : "";
    g_free(owned);
    return copy;
}

void walk(AtspiAccessible *object, std::vector<Node> &nodes)
{
    Node node { taken(atspi_accessible_get_role_name(object, nullptr)), taken(atspi_accessible_get_name(object, nullptr)) };
    if (AtspiComponent *component = atspi_accessible_get_component_iface(object)) {
        if (AtspiRect *box = atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, nullptr))
            node.box = *box, g_free(box);
        g_object_unref(component);
    }
    nodes.push_back(node);
    for (int i = 0; i < atspi_accessible_get_child_count(object, nullptr); ++i)
        if (AtspiAccessible *child = atspi_accessible_get_child_at_index(object, i, nullptr))
            walk(child, nodes), g_object_unref(child);
}

// Every accessible object of the program, depth first.
std::vector<Node> programNodes()
{
    while (g_main_context_iteration(nullptr, FALSE)) { // the library learns of new windows from its bus
    }
    std::vector<Node> nodes;
    AtspiAccessible *desktop = atspi_get_desktop(0);
    for (int i = 0; i < atspi_accessible_get_child_count(desktop, nullptr); ++i)
        if (AtspiAccessible *app = atspi_accessible_get_child_at_index(desktop, i, nullptr)) {
            atspi_accessible_clear_cache(app); // a report shown since the last look is a new child
            if (taken(atspi_accessible_get_name(app, nullptr)) == "tarnvel")
                walk(app, nodes);
            g_object_unref(app);
        }
    g_object_unref(desktop);
    return nodes;
}

struct Language
{
    const char *locale, *scale; // LC_ALL (built for the test unless C) and QT_SCALE_FACTOR
    std::vector<std::string> names, pipeReport, goneReport; // a gone file's reason is the system's own words
    bool cyrillicOnly; // no Latin letter in a report but its path and the program's name
};

const Language Sessions[] = {
    { "C", "1.25", { "Picture", "Directories", "Files" },
      { "Run-time error '75':", "Path/File access error", "(Not a regular file)", "a device, a pipe or a socket: choose a file instead." },
      { "Run-time error '53':", "File not found", "(No such file or directory)", "The file no longer exists" }, false },
    { "ru_RU.UTF-8", "1.5", { "Изображение", "Папки", "Файлы" },
      { "Ошибка выполнения '75':", "Ошибка доступа к пути или файлу", "(Не обычный файл)", "а устройство, канал или сокет: выберите файл." },
      { "Ошибка выполнения '53':", "Файл не найден", "Этого файла больше нет" }, true },
    { "es_ES.UTF-8", "2", { "Imagen", "Carpetas", "Archivos" },
      { "Se ha producido el error '75' en tiempo de ejecución:", "Error de acceso a la ruta o al archivo", "(No es un archivo normal)",
        "sino un dispositivo, una tubería o un socket: elija un archivo." },
      { "Se ha producido el error '53' en tiempo de ejecución:", "No se encontró el archivo", "El archivo ya no existe" }, false },
    { "de_DE.UTF-8", "1.25", { "Bild", "Ordner", "Dateien" },
      { "Laufzeitfehler '75':", "Fehler beim Zugriff auf Pfad/Datei", "(Keine reguläre Datei)", "ein Gerät, eine Pipe oder ein Socket: Wählen Sie stattdessen eine Datei." },
      { "Laufzeitfehler '53':", "Datei nicht gefunden", "Die Datei existiert nicht mehr" }, false },
};

class Languages : public ::testing::TestWithParam<Language>
{
};

TEST_P(Languages, TheControlsAndReportsSpeakTheSessionsLanguageAndTheFixedTextsStay)
{
    const Language &session = GetParam();
    atspi_init();
    // The session's locale, built from the system's sources into a folder of the test's own.
    testsupport::TempDir locales, dir;
    if (std::string(session.locale) != "C")
        run("localedef -c -i " + std::string(session.locale).substr(0, 5) + " -f UTF-8 '" + locales.path() + "/" + session.locale + "' 2>&1");
    const std::string gone = dir.write("1 gone.scr", testsupport::patternedScreen(3)), pipe = dir.path() + "/2 pipe.scr";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    Display display;
    ASSERT_TRUE(display.ok()) << "no X display: run under xvfb-run";
    e2e::Session program(display, dir.path(), {},
                         { { "LC_ALL", session.locale }, { "LANGUAGE", "" }, { "LOCPATH", locales.path() },
                           { "QT_SCALE_FACTOR", session.scale }, { "QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1" } });
    ASSERT_TRUE(program.start()) << "the window did not appear";

    // The controls' names in the language; the design's own texts as they are.
    std::vector<std::string> names;
    const auto named = [&](const std::string &name) { return std::find(names.begin(), names.end(), name) != names.end(); };
    ASSERT_TRUE(waitUntil([&] {
        names.clear();
        for (const Node &node : programNodes())
            names.push_back(node.name);
        return named(session.names.back());
    }, 30s)) << "the program is not seen through AT-SPI: " << ::testing::PrintToString(names);
    for (const std::string &expected : session.names)
        EXPECT_TRUE(named(expected)) << expected;
    for (const char *fixed : { "Tarnvel", "file", "Навигатор" })
        EXPECT_TRUE(named(fixed)) << fixed;

    // The keyboard in the file list, below its two names; the pipe is chosen, then the first file,
    // gone meanwhile.
    xdotool(click(program.client, FileListLeft + 40, FileListTop + 70));
    const auto check = [&](const std::vector<std::string> &expected, const std::string &path) {
        std::optional<Node> report;
        waitUntil([&] {
            for (const Node &node : programNodes())
                if (node.role == "label" && node.name.find(expected.front()) != std::string::npos)
                    report = node;
            return report.has_value();
        }, 30s);
        ASSERT_TRUE(report) << "no report saying " << expected.front();
        for (const std::string &part : expected)
            EXPECT_NE(report->name.find(part), std::string::npos) << part << " not in:\n" << report->name;
        // The report wraps its text: it fits on the screen at this scale.
        const AtspiRect &box = report->box;
        EXPECT_TRUE(box.x >= 0 && box.x + box.width <= 1024 && box.y >= 0 && box.y + box.height <= 768) << report->name;
        if (session.cyrillicOnly) {
            std::string rest = report->name;
            for (const std::string &allowed : { path, std::string("Tarnvel") })
                for (std::size_t at; (at = rest.find(allowed)) != std::string::npos;)
                    rest.erase(at, allowed.size());
            EXPECT_FALSE(std::any_of(rest.begin(), rest.end(), [](unsigned char c) { return std::isalpha(c); }))
                << "a text left in English:\n" << report->name;
        }
        xdotool("key Return"); // dismissed; the keyboard is back in the file list
    };
    xdotool("key End");
    check(session.pipeReport, pipe);
    std::filesystem::remove(gone);
    xdotool("key Home");
    check(session.goneReport, gone);
}

INSTANTIATE_TEST_SUITE_P(Sessions, Languages, ::testing::ValuesIn(Sessions),
                         [](const auto &info) { return std::string(info.param.locale).substr(0, 2); });

} // namespace
} // namespace e2e
