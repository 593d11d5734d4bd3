// The real program in the session's language, read back as a screen reader reads it (AT-SPI):
// the controls' names and the report for a pipe and for a file gone meanwhile.
#include "e2e/harness.h"
#include "support/tempdir.h"

#include <atspi/atspi.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

namespace e2e {
namespace {

struct Node
{
    std::string role, name;
    int left = 0, top = 0, width = 0, height = 0;
};

// Every accessible object of the application named, depth first.
std::vector<Node> accessibleNodes(const std::string &application)
{
    std::vector<Node> nodes;
    const auto text = [](gchar *owned) {
        std::string copy = owned ? owned : "";
        g_free(owned);
        return copy;
    };
    std::function<void(AtspiAccessible *, int)> walk = [&](AtspiAccessible *object, int depth) {
        Node node { text(atspi_accessible_get_role_name(object, nullptr)), text(atspi_accessible_get_name(object, nullptr)) };
        if (AtspiComponent *component = atspi_accessible_get_component_iface(object)) {
            if (AtspiRect *box = atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, nullptr)) {
                node.left = box->x, node.top = box->y, node.width = box->width, node.height = box->height;
                g_free(box);
            }
            g_object_unref(component);
        }
        nodes.push_back(node);
        const int children = depth < 12 ? atspi_accessible_get_child_count(object, nullptr) : 0;
        for (int i = 0; i < children; ++i) {
            if (AtspiAccessible *child = atspi_accessible_get_child_at_index(object, i, nullptr)) {
                walk(child, depth + 1);
                g_object_unref(child);
            }
        }
    };
    // The library learns of new applications and windows from its bus's signals.
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    AtspiAccessible *desktop = atspi_get_desktop(0);
    for (int i = 0; desktop && i < atspi_accessible_get_child_count(desktop, nullptr); ++i) {
        AtspiAccessible *app = atspi_accessible_get_child_at_index(desktop, i, nullptr);
        if (!app)
            continue;
        atspi_accessible_clear_cache(app); // a report shown since the last look is a new child
        if (text(atspi_accessible_get_name(app, nullptr)) == application)
            walk(app, 0);
        g_object_unref(app);
    }
    if (desktop)
        g_object_unref(desktop);
    return nodes;
}

// The report's text, once a report whose text holds needle is shown.
std::optional<Node> reportHolding(const std::string &needle)
{
    std::optional<Node> found;
    waitUntil([&] {
        for (const Node &node : accessibleNodes("tarnvel"))
            if (node.role == "label" && node.name.find(needle) != std::string::npos)
                return (found = node).has_value();
        return false;
    }, 30s);
    return found;
}

struct Language
{
    const char *locale;    // LC_ALL of the session; generated for the test when not C
    const char *scale;     // QT_SCALE_FACTOR: the report must fit at each
    std::vector<std::string> names; // the picture's, the directory and file lists'
    // What the reports say; the system's own reason for a file gone is in its words for the language.
    std::vector<std::string> pipeReport, goneReport;
    bool cyrillicOnly;     // the report has no Latin letter but the file's path and the program's name
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
};

class Languages : public ::testing::TestWithParam<Language>
{
public:
    static void SetUpTestSuite()
    {
        atspi_init();
        // The sessions' locales, built from the system's sources into a folder of the test's own.
        locales = std::make_unique<testsupport::TempDir>();
        for (const char *name : { "ru_RU", "es_ES" })
            run("localedef -c -i " + std::string(name) + " -f UTF-8 '" + locales->path() + "/" + name + ".UTF-8' 2>&1");
    }
    static void TearDownTestSuite() { locales.reset(); }

    static std::unique_ptr<testsupport::TempDir> locales;
};
std::unique_ptr<testsupport::TempDir> Languages::locales;

TEST_P(Languages, TheControlsAndReportsSpeakTheSessionsLanguageAndTheFixedTextsStay)
{
    const Language &session = GetParam();
    Display display;
    ASSERT_TRUE(display.ok()) << "no X display: run under xvfb-run";
    testsupport::TempDir dir;
    const std::string gone = dir.write("1 gone.scr", testsupport::patternedScreen(3));
    const std::string pipe = dir.path() + "/2 pipe.scr";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

    e2e::Session program(display, dir.path(), {},
                         { { "LC_ALL", session.locale }, { "LANGUAGE", "" }, { "LOCPATH", locales->path() },
                           { "QT_SCALE_FACTOR", session.scale }, { "QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1" } });
    ASSERT_TRUE(program.start()) << "the window did not appear";

    // The controls' names in the language; the design's own texts as they are.
    std::vector<std::string> names;
    ASSERT_TRUE(waitUntil([&] {
        names.clear();
        for (const Node &node : accessibleNodes("tarnvel"))
            names.push_back(node.name);
        return std::find(names.begin(), names.end(), session.names.back()) != names.end();
    }, 30s)) << "the program is not seen through AT-SPI: " << ::testing::PrintToString(names);
    for (const std::string &expected : session.names)
        EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end()) << expected;
    for (const char *fixed : { "Tarnvel", "file", "Навигатор" })
        EXPECT_NE(std::find(names.begin(), names.end(), fixed), names.end()) << fixed;

    // The keyboard in the file list, below its two names; the pipe is chosen, then the first file,
    // gone meanwhile.
    xdotool(click(program.client, FileListLeft + 40, FileListTop + 70));
    const auto check = [&](const std::vector<std::string> &expected, const std::string &path) {
        const std::optional<Node> report = reportHolding(expected.front());
        ASSERT_TRUE(report) << "no report saying " << expected.front();
        for (const std::string &part : expected)
            EXPECT_NE(report->name.find(part), std::string::npos) << part << " not in:\n" << report->name;
        // The report wraps its text: it fits on the screen at this scale.
        EXPECT_TRUE(report->left >= 0 && report->left + report->width <= 1024 && report->top >= 0 && report->top + report->height <= 768)
            << report->name;
        if (session.cyrillicOnly) {
            std::string rest = report->name;
            for (const std::string &allowed : { path, std::string("Tarnvel") })
                for (std::size_t at; (at = rest.find(allowed)) != std::string::npos;)
                    rest.erase(at, allowed.size());
            const auto latin = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
            EXPECT_FALSE(std::any_of(rest.begin(), rest.end(), latin)) << "a text left in English:\n" << report->name;
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
