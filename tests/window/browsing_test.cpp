// Flipping through a directory with the panel hidden: every key and wheel direction, from the
// middle and from each end of the list, and keys held down during a render.
#include "window/windowfixture.h"

#include <QSignalSpy>
#include <QWheelEvent>

#include <algorithm>
#include <functional>

namespace windowtest {
namespace {

const char *const Names[] = { "a.scr", "b.scr", "c.scr" };
constexpr int LastRow = 2;

struct Gesture
{
    const char *name;
    std::function<void(QWindow *, QWidget *picture)> make;
    std::function<int(int from)> to; // the row it selects, starting from row from
};

void wheel(QWidget *picture, int turn)
{
    const QPointF at = QRectF(picture->rect()).center();
    QWheelEvent event(at, picture->mapToGlobal(at), {}, { 0, turn }, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(picture, &event);
}

Gesture key(const char *name, Qt::Key key, std::function<int(int)> to)
{
    return { name, [key](QWindow *window, QWidget *) { QTest::keyClick(window, key); }, std::move(to) };
}

const auto next = [](int from) { return std::min(from + 1, LastRow); };
const auto previous = [](int from) { return std::max(from - 1, 0); };

const Gesture gestures[] = {
    key("Right", Qt::Key_Right, next),
    key("Down", Qt::Key_Down, next),
    key("PageDown", Qt::Key_PageDown, next),
    key("Space", Qt::Key_Space, next),
    key("Left", Qt::Key_Left, previous),
    key("Up", Qt::Key_Up, previous),
    key("PageUp", Qt::Key_PageUp, previous),
    key("Backspace", Qt::Key_Backspace, previous),
    key("Home", Qt::Key_Home, [](int) { return 0; }),
    key("End", Qt::Key_End, [](int) { return LastRow; }),
    { "WheelDown", [](QWindow *, QWidget *picture) { wheel(picture, -120); }, next },
    { "WheelUp", [](QWindow *, QWidget *picture) { wheel(picture, 120); }, previous },
    // A touchpad's small steps add up to one file; a fast turn of two notches is two files, one choice.
    { "TouchpadDown", [](QWindow *, QWidget *picture) { for (int i = 0; i < 4; ++i) wheel(picture, -30); }, next },
    { "TwoNotchesDown", [](QWindow *, QWidget *picture) { wheel(picture, -240); }, [](int from) { return std::min(from + 2, LastRow); } },
};

class Browsing : public WindowFixture, public ::testing::WithParamInterface<std::tuple<Gesture, int>>
{
protected:
    Browsing()
    {
        for (unsigned i = 0; i < 3; ++i)
            paths.push_back(dir.write(Names[i], testsupport::patternedScreen(40 + i)));
        Dir1()->setPath(q(dir.path()));
    }
    std::vector<std::string> paths;
};

TEST_P(Browsing, StepsThroughTheFilesAsIfTheyWereChosenInTheList)
{
    const auto &[gesture, from] = GetParam();
    const int to = gesture.to(from);
    ASSERT_TRUE(File1()->selectName(Names[from]));
    frameNavigator()->hide(); // as after the start row was chosen

    // A choice starts drawing at once; the first yield of its render says which file is open, and
    // closing the window then ends the render without waiting for the whole picture.
    QString drawn;
    int open = -1;
    QTimer yield;
    QObject::connect(&yield, &QTimer::timeout, [&] {
        if (!drawn.isEmpty() || !pb()->accessibleDescription().startsWith("Being drawn"))
            return; // not yet in a render
        drawn = pb()->accessibleDescription();
        open = static_cast<int>(std::find_if(paths.begin(), paths.end(), [](const std::string &path) { return testsupport::descriptorsOpenOn(path) > 0; }) - paths.begin());
        window.close();
    });
    yield.start(0);
    gesture.make(window.windowHandle(), pb());

    EXPECT_EQ(File1()->FileName(), Names[to]);
    if (to == from) {
        EXPECT_TRUE(drawn.isEmpty()) << "at the end of the list nothing is chosen";
    } else {
        EXPECT_EQ(drawn, QStringLiteral("Being drawn: %1").arg(Names[to]));
        EXPECT_EQ(open, to);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryGestureFromEveryPlace, Browsing, ::testing::Combine(::testing::ValuesIn(gestures), ::testing::Values(0, 1, LastRow)),
                         [](const auto &info) { return std::string(std::get<0>(info.param).name) + "From" + std::to_string(std::get<1>(info.param)); });

using PanelShown = Browsing;

TEST_F(PanelShown, TheBrowsingKeysWorkInItsListsAndNeverBrowse)
{
    dir.makeDirectory("x");
    dir.makeDirectory("y");
    Dir1()->setPath(q(dir.path()));
    ASSERT_TRUE(File1()->selectName("b.scr"));
    ASSERT_TRUE(frameNavigator()->isVisible());
    QSignalSpy clicks(File1(), &platform::FileListBox::Click);
    const auto press = [this](Qt::Key key) { QTest::keyClick(window.windowHandle(), key); };

    // In the directory list the keys move its highlight, the way a list's keys do.
    Dir1()->setFocus();
    const int current = Dir1()->currentRow();
    press(Qt::Key_Down);
    EXPECT_EQ(Dir1()->currentRow(), current + 1);
    press(Qt::Key_Home);
    EXPECT_EQ(Dir1()->currentRow(), 0);
    press(Qt::Key_End);
    EXPECT_EQ(Dir1()->currentRow(), Dir1()->count() - 1);
    // In the file list the keys that browse the next or previous file choose nothing there.
    File1()->setFocus();
    for (Qt::Key key : { Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Right, Qt::Key_Left })
        press(key);

    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(File1()->FileName(), "b.scr");
    EXPECT_TRUE(frameNavigator()->isVisible());
    EXPECT_EQ(Dir1()->Path(), q(dir.path())) << "the highlight moved; no directory was opened";
}

using HeldKeys = Browsing;

TEST_F(HeldKeys, DuringARenderDrawOnlyTheLastChoiceOnce)
{
    QStringList described; // what the picture said it showed, at each change
    bool pressed = false;
    int yields = 0, middleOpened = 0;
    QTimer yield;
    QObject::connect(&yield, &QTimer::timeout, [&] {
        if (described.isEmpty() || described.last() != pb()->accessibleDescription())
            described.append(pb()->accessibleDescription());
        middleOpened += testsupport::descriptorsOpenOn(paths[1]);
        if (++yields == 300 && !pressed) {
            pressed = true;
            QTest::keyClick(window.windowHandle(), Qt::Key_Right);
            QTest::simulateEvent(window.windowHandle(), true, Qt::Key_Right, {}, {}, true); // the key's repeat
        }
    });
    yield.start(0);
    selectFile("a.scr");
    yield.stop();
    ASSERT_TRUE(pressed);
    EXPECT_EQ(described, QStringList({ "Being drawn: a.scr", "Being drawn: c.scr" }));
    EXPECT_EQ(middleOpened, 0);
    EXPECT_EQ(pb()->accessibleDescription(), "Shows c.scr");
    EXPECT_EQ(picture(), testsupport::decodeScreen(testsupport::patternedScreen(42)));
}

} // namespace
} // namespace windowtest
