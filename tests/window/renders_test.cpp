// Selections and closing while a render runs, and files that cannot be opened or read.
#include "support/listview.h"
#include "window/windowfixture.h"

#include "platform/fileruntime/runtimeerror.h"
#include "support/process.h"

#include <QApplication>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <random>
#include <set>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <stdexcept>
#include <sys/stat.h>

namespace windowtest {
namespace {

class Renders : public WindowFixture
{
protected:
    Renders()
    {
        a = dir.write("a.scr", testsupport::patternedScreen(11));
        b = dir.write("b.scr", testsupport::patternedScreen(12));
        Dir1()->setPath(q(dir.path()));
    }
    int openScreenFiles() const { return testsupport::descriptorsOpenOn(a) + testsupport::descriptorsOpenOn(b); }

    // Runs action on every event processing from now on, until the returned timer is gone.
    std::unique_ptr<QTimer> onEveryYield(std::function<void()> action)
    {
        auto timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, std::move(action));
        timer->start(0);
        return timer;
    }

    std::string a, b;
};

TEST_F(Renders, ASelectionDuringARenderStopsItAndDrawsTheNewFile)
{
    int yields = 0, mostOpen = 0;
    bool selected = false;
    auto watch = onEveryYield([&] {
        if (yields % 50 == 0)
            mostOpen = std::max(mostOpen, openScreenFiles());
        if (++yields == 500 && !selected) {
            selected = true;
            EXPECT_FALSE(frameNavigator()->isVisible()) << "a.scr is being drawn";
            openItem()->trigger();
            selectFile("b.scr");
        }
    });
    selectFile("a.scr");
    watch.reset();
    EXPECT_TRUE(selected);
    EXPECT_EQ(picture(), testsupport::decodeScreen(testsupport::patternedScreen(12)));
    EXPECT_EQ(mostOpen, 1);
    EXPECT_EQ(openScreenFiles(), 0);
    EXPECT_FALSE(frameNavigator()->isVisible());
}

TEST_F(Renders, ManySelectionsDuringRendersDoNotDeepenTheStack)
{
    // Each selection is made from inside a render's yield. If renders nested, every one would be
    // made deeper in the stack than the one before.
    std::vector<std::uintptr_t> depths;
    int yields = 0, mostOpen = 0;
    unsigned lastSelected = 0;
    auto watch = onEveryYield([&] {
        if (yields % 50 == 0)
            mostOpen = std::max(mostOpen, openScreenFiles());
        if (++yields % 300 == 0 && depths.size() < 30) {
            int marker = 0;
            depths.push_back(reinterpret_cast<std::uintptr_t>(&marker));
            openItem()->trigger();
            lastSelected = depths.size() % 2 ? 12 : 11;
            selectFile(lastSelected == 12 ? "b.scr" : "a.scr");
        }
    });
    selectFile("a.scr");
    watch.reset();
    ASSERT_EQ(depths.size(), 30u);
    const auto [low, high] = std::minmax_element(depths.begin(), depths.end());
    EXPECT_LT(*high - *low, 1024u) << "selections were made at different stack depths";
    EXPECT_EQ(picture(), testsupport::decodeScreen(testsupport::patternedScreen(lastSelected))) << "the last selection is shown";
    EXPECT_EQ(mostOpen, 1);
    EXPECT_EQ(openScreenFiles(), 0);
}

TEST_F(Renders, ClosingDuringARenderEndsTheProgramAtOnceWithStatusZero)
{
    QTimer::singleShot(0, [&] { selectFile("a.scr"); });
    int yields = 0;
    auto watch = onEveryYield([&] {
        if (++yields == 200)
            window.close();
    });
    QTimer::singleShot(60000, [] { QCoreApplication::exit(99); }); // never reached when closing works
    const int status = QApplication::exec();
    watch.reset();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(openScreenFiles(), 0);
    EXPECT_NE(picture(), testsupport::decodeScreen(testsupport::patternedScreen(11))) << "the render stopped early";
}

TEST_F(Renders, AFaultInAListDuringARenderIsReportedAndEndsTheProgramWithAFailure)
{
    // The drive list is read again when it drops down; here that reading fails in a way that is
    // no run-time error.
    bool fail = false;
    Drive1()->setSource([&fail] {
        if (fail)
            throw std::logic_error("drives could not be read");
        return QList<platform::MountedDrive> { { "/", "", "/" } };
    });
    fail = true;
    ReportCatcher reports;
    QTimer::singleShot(0, [&] { selectFile("a.scr"); });
    int yields = 0;
    auto watch = onEveryYield([&] {
        if (++yields == 200)
            Drive1()->showPopup();
    });
    QTimer::singleShot(60000, [] { QCoreApplication::exit(99); }); // never reached when the failure ends the program
    const int status = QApplication::exec();
    watch.reset();
    EXPECT_EQ(status, EXIT_FAILURE);
    ASSERT_EQ(reports.texts.size(), 1);
    EXPECT_TRUE(reports.texts[0].startsWith("Run-time error '51':")) << reports.texts[0].toStdString();
    EXPECT_TRUE(reports.texts[0].contains("drives could not be read"));
    EXPECT_EQ(openScreenFiles(), 0);
    EXPECT_NE(picture(), testsupport::decodeScreen(testsupport::patternedScreen(11))) << "the render stopped";
}

TEST_F(Renders, AFileChangedWhileItIsDrawnNeverHarmsTheProgram)
{
    // The picture shows the file as it then reads: the open file goes on being read after it was
    // replaced or removed; after a truncation, what had not been read yet reads as zeros, so every
    // attribute is 0 and the whole picture ends black.
    const struct
    {
        const char *change;
        std::function<void()> make;
        std::vector<std::uint8_t> shownAs;
    } cases[] = {
        { "truncated", [this] { std::filesystem::resize_file(a, 100); }, {} },
        { "replaced", [this] { std::filesystem::rename(b, a); }, testsupport::patternedScreen(11) },
        { "removed", [this] { std::filesystem::remove(a); }, testsupport::patternedScreen(11) },
    };
    for (const auto &c : cases) {
        dir.write("a.scr", testsupport::patternedScreen(11));
        dir.write("b.scr", testsupport::patternedScreen(12));
        File1()->setPath(q(dir.path()));
        const int descriptors = testsupport::openDescriptorCount();
        bool changed = false;
        auto watch = onEveryYield([&] {
            if (!changed) {
                changed = true;
                c.make();
            }
        });
        ReportCatcher reports;
        selectFile("a.scr");
        watch.reset();
        EXPECT_TRUE(changed) << c.change;
        EXPECT_TRUE(reports.texts.isEmpty()) << c.change;
        EXPECT_EQ(picture(), testsupport::decodeScreen(c.shownAs)) << c.change;
        EXPECT_EQ(testsupport::openDescriptorCount(), descriptors) << c.change;
    }
}

TEST_F(Renders, HundredsOfChoicesInOneSessionLeaveOnlyTheLastPictureAndNothingBehind)
{
    // Choices and "open" at random moments of the renders they interrupt; each choice is a render.
    std::mt19937 random(300);
    std::uniform_int_distribution<int> yieldsUntilNext(1, 200);
    constexpr int Choices = 300, Settled = 50;
    const int descriptorsBefore = testsupport::openDescriptorCount();
    int yields = 0, nextChoice = yieldsUntilNext(random), choices = 0, mostOpen = 0;
    long residentSettled = 0;
    std::vector<std::uintptr_t> depths;
    unsigned lastChosen = 0;
    auto watch = onEveryYield([&] {
        mostOpen = std::max(mostOpen, openScreenFiles());
        if (++yields < nextChoice || choices == Choices)
            return;
        yields = 0;
        nextChoice = yieldsUntilNext(random);
        if (++choices == Settled)
            residentSettled = testsupport::residentKiB();
        int marker = 0;
        depths.push_back(reinterpret_cast<std::uintptr_t>(&marker));
        if (random() % 2)
            openItem()->trigger();
        lastChosen = random() % 2 ? 11 : 12;
        testsupport::setCurrentRow(*File1(), lastChosen == 11 ? 0 : 1);
        emit File1()->Click(); // as the file list raises it for a gesture
    });
    selectFile("a.scr");
    watch.reset();
    ASSERT_EQ(choices, Choices);
    EXPECT_EQ(picture(), testsupport::decodeScreen(testsupport::patternedScreen(lastChosen))) << "the last choice is shown";
    EXPECT_EQ(mostOpen, 1);
    EXPECT_EQ(openScreenFiles(), 0);
    EXPECT_LE(testsupport::openDescriptorCount(), descriptorsBefore);
    const auto [low, high] = std::minmax_element(depths.begin(), depths.end());
    EXPECT_LT(*high - *low, 1024u) << "choices were made at different stack depths";
#ifndef __SANITIZE_ADDRESS__ // the address sanitizer holds freed memory back on purpose
    EXPECT_LT(testsupport::residentKiB() - residentSettled, 4096) << "memory grew with the renders";
#endif
}

struct Unopenable
{
    const char *name;
    std::function<void(const testsupport::TempDir &, const std::string &path)> make;
    int number;
    const char *advice; // words of the plain sentence that fit this cause alone
    bool unprivileged = false; // chosen by a user without root's power over permissions
    friend void PrintTo(const Unopenable &c, std::ostream *out) { *out << c.name; }
};

class UnopenableFiles : public Renders, public ::testing::WithParamInterface<Unopenable>
{
};

TEST_P(UnopenableFiles, AreReportedAndTheProgramGoesOn)
{
    const Unopenable &c = GetParam();
    const std::string path = dir.path() + "/bad.scr";
    dir.write("bad.scr", {});
    File1()->setPath(q(dir.path())); // listed as a file, then made unopenable
    c.make(dir, path);
    const auto entries = [this] {
        std::set<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(dir.path()))
            names.insert(entry.path().filename());
        return names;
    };
    const auto before = entries();
    {
        ReportCatcher reports;
        std::optional<testsupport::Unprivileged> user;
        if (c.unprivileged)
            user.emplace();
        selectFile("bad.scr");
        ASSERT_EQ(reports.texts.size(), 1);
        EXPECT_TRUE(reports.texts[0].startsWith(QStringLiteral("Run-time error '%1':").arg(c.number))) << reports.texts[0].toStdString();
        EXPECT_TRUE(reports.texts[0].contains(q(path))) << reports.texts[0].toStdString();
        EXPECT_TRUE(reports.texts[0].section(QLatin1Char('\n'), -1).contains(QLatin1String(c.advice))) << "the plain sentence closes it: " << reports.texts[0].toStdString();
    }
    EXPECT_TRUE(frameNavigator()->isVisible()) << "the panel stays for another choice";
    EXPECT_EQ(testsupport::descriptorsOpenOn(path), 0);
    EXPECT_EQ(entries(), before) << "nothing is created";

    selectFile("a.scr");
    EXPECT_EQ(picture(), testsupport::decodeScreen(testsupport::patternedScreen(11)));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UnopenableFiles,
    ::testing::Values(
        Unopenable { "vanished", [](const auto &, const std::string &p) { std::filesystem::remove(p); }, 53, "no longer exists" },
        Unopenable { "fifo",
                     [](const auto &, const std::string &p) {
                         std::filesystem::remove(p);
                         ::mkfifo(p.c_str(), 0600);
                     },
                     75, "a pipe" },
        Unopenable { "linkToDirectory",
                     [](const auto &d, const std::string &p) {
                         std::filesystem::remove(p);
                         std::filesystem::create_symlink(d.path(), p);
                     },
                     75, "is a folder" },
        Unopenable { "linkToDevice",
                     [](const auto &, const std::string &p) {
                         std::filesystem::remove(p);
                         std::filesystem::create_symlink("/dev/zero", p);
                     },
                     75, "a device" },
        Unopenable { "socket",
                     [](const auto &, const std::string &p) {
                         std::filesystem::remove(p);
                         sockaddr_un address {};
                         address.sun_family = AF_UNIX;
                         p.copy(address.sun_path, sizeof address.sun_path - 1);
                         const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
                         ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
                         ::close(s); // the socket's file stays
                     },
                     75, "a socket" },
        Unopenable { "brokenLink",
                     [](const auto &d, const std::string &p) {
                         std::filesystem::remove(p);
                         std::filesystem::create_symlink(d.path() + "/nowhere", p);
                     },
                     53, "no longer exists" },
        Unopenable { "linkLoop",
                     [](const auto &, const std::string &p) {
                         std::filesystem::remove(p);
                         std::filesystem::create_symlink(p, p);
                     },
                     75, "a link that leads back to itself" },
        Unopenable { "noPermission",
                     [](const auto &d, const std::string &p) {
                         std::filesystem::permissions(d.path(), std::filesystem::perms(0755));
                         std::filesystem::permissions(p, std::filesystem::perms::none);
                     },
                     70, "may not read this file", true }),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Renders, AFailedReadIsReportedAndThePictureStaysAsFarAsItGot)
{
    // Reading this process's memory at address 0 fails with an input/output error.
    const std::string path = dir.path() + "/unreadable.scr";
    std::filesystem::create_symlink("/proc/self/mem", path);
    File1()->setPath(q(dir.path()));
    {
        ReportCatcher reports;
        selectFile("unreadable.scr");
        ASSERT_EQ(reports.texts.size(), 1);
        EXPECT_TRUE(reports.texts[0].startsWith("Run-time error '57':")) << reports.texts[0].toStdString();
    }
    EXPECT_EQ(testsupport::descriptorsOpenOn("/proc/self/mem"), 0);
    EXPECT_EQ(pb()->image().pixel(0, 0), qRgb(220, 220, 220)) << "cleared, and nothing read to draw";
    selectFile("b.scr");
    EXPECT_EQ(picture(), testsupport::decodeScreen(testsupport::patternedScreen(12)));
}

} // namespace
} // namespace windowtest
