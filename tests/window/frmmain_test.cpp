// The main window: its controls and their places, the menu, the tab order and the panel.
#include "window/windowfixture.h"
#include "support/listview.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>

#include <sys/stat.h>

namespace windowtest {
namespace {

using MainWindow = WindowFixture;

TEST_F(MainWindow, ControlsHaveTheirPlacesAndCaptions)
{
    EXPECT_EQ(window.windowTitle(), "Tarnvel");
    EXPECT_EQ(window.centralWidget()->size(), QSize(402, 286));
    EXPECT_EQ(frameNavigator()->title(), "Навигатор");
    struct Place
    {
        QWidget *widget;
        QWidget *parent;
        QRect rect;
    };
    const Place places[] = {
        { frameNavigator(), window.centralWidget(), { 40, 24, 321, 225 } },
        { Drive1(), frameNavigator(), { 8, 24, 97, 21 } },
        { Dir1(), frameNavigator(), { 120, 24, 177, 81 } },
        { File1(), frameNavigator(), { 16, 120, 281, 84 } },
        { pb(), window.centralWidget(), { 72, 48, 256, 192 } },
    };
    for (const Place &p : places) {
        ASSERT_NE(p.widget, nullptr);
        EXPECT_EQ(p.widget->parentWidget(), p.parent) << p.widget->objectName().toStdString();
        EXPECT_EQ(p.widget->geometry(), p.rect) << p.widget->objectName().toStdString();
    }
}

TEST_F(MainWindow, HasItsOwnIcon)
{
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window.windowIcon().isNull(); })) << "set once the window is painted";
    const QImage icon = window.windowIcon().pixmap(64, 64).toImage();
    EXPECT_EQ(icon.pixelColor(32, 20), QColor(0, 0, 0xd7)) << "the blue of the drawn rows";
}

TEST_F(MainWindow, MenuHasFileWithOpenAndNothingElse)
{
    const QList<QAction *> bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), 1);
    EXPECT_EQ(bar[0]->text(), "file");
    ASSERT_NE(bar[0]->menu(), nullptr);
    const QList<QAction *> items = bar[0]->menu()->actions();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0], openItem());
    EXPECT_EQ(items[0]->text(), "open");
    EXPECT_TRUE(items[0]->shortcut().isEmpty());
}

TEST_F(MainWindow, TabOrderRunsFromThePictureThroughTheLists)
{
    const QList<QWidget *> order { pb(), frameNavigator(), Drive1(), Dir1(), File1() };
    QList<QWidget *> seen;
    QWidget *w = pb();
    do {
        if (order.contains(w) && !seen.contains(w))
            seen.append(w);
        w = w->nextInFocusChain();
    } while (w != pb());
    EXPECT_EQ(seen, order);
}

TEST_F(MainWindow, TheShownPanelTakesTheKeyboardFocus)
{
    // At start the working directory may have no files; then the directory list has the focus.
    EXPECT_EQ(window.focusWidget(), File1()->count() > 0 ? static_cast<QWidget *>(File1()) : Dir1());
    dir.write("a.scr", {});
    dir.write("b.scr", {});
    Dir1()->setPath(q(dir.path()));
    testsupport::setCurrentRow(*File1(), 1);
    pb()->setFocus();
    frameNavigator()->hide();
    openItem()->trigger();
    EXPECT_EQ(window.focusWidget(), File1());
    EXPECT_EQ(File1()->currentIndex().row(), 1) << "the selected name is the current row";
    Dir1()->setPath(q(dir.makeDirectory("empty")));
    pb()->setFocus();
    openItem()->trigger();
    EXPECT_EQ(window.focusWidget(), Dir1()) << "no files to choose";
}

TEST_F(MainWindow, AssistiveTechnologyHearsWhatEachControlIsAndWhatThePictureShows)
{
    const auto accessible = [](QObject *object) { return QAccessible::queryAccessibleInterface(object); };
    struct Expected
    {
        QWidget *widget;
        QAccessible::Role role;
        QString name;
    };
    for (const Expected &e : { Expected { pb(), QAccessible::Graphic, "Picture" },
                               Expected { frameNavigator(), QAccessible::Grouping, "Навигатор" },
                               // On Linux a drop-down list is named by its value; what it is for is its description.
                               Expected { Drive1(), QAccessible::ComboBox, Drive1()->currentText() },
                               Expected { Dir1(), QAccessible::List, "Directories" },
                               Expected { File1(), QAccessible::List, "Files" } }) {
        QAccessibleInterface *a = accessible(e.widget);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), e.role) << e.name.toStdString();
        EXPECT_EQ(a->text(QAccessible::Name), e.name);
        EXPECT_FALSE(a->text(QAccessible::Description).isEmpty()) << e.name.toStdString();
    }

    // Directory entries: the bare name, and the depth as a level.
    dir.makeDirectory("sub");
    Dir1()->setPath(q(dir.makeDirectory("sub/deeper")));
    QAccessibleInterface *entry = accessible(Dir1())->child(Dir1()->currentRow());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(QAccessible::Name), "deeper");
    EXPECT_EQ(entry->text(QAccessible::Description), QStringLiteral("Level %1").arg(Dir1()->currentRow() + 1));

    dir.write("a.scr", testsupport::patternedScreen(1));
    Dir1()->setPath(q(dir.path()));
    QString whileDrawn;
    QTimer::singleShot(0, [&] { whileDrawn = accessible(pb())->text(QAccessible::Description); });
    selectFile("a.scr");
    EXPECT_EQ(whileDrawn, "Being drawn: a.scr");
    EXPECT_EQ(accessible(pb())->text(QAccessible::Description), "Shows a.scr");
}

TEST_F(MainWindow, LightGreyBeforeAnyFile)
{
    const QColor grey(220, 220, 220);
    EXPECT_EQ(window.BackColor(), screen::Rgb(220, 220, 220));
    EXPECT_EQ(pb()->BackColor(), screen::Rgb(220, 220, 220));
    const QImage client = window.centralWidget()->grab().toImage();
    EXPECT_EQ(client.pixelColor(5, 5), grey);
    EXPECT_EQ(client.pixelColor(395, 280), grey);
    const QImage picture = pb()->grab().toImage();
    for (const QPoint p : { QPoint(0, 0), QPoint(128, 96), QPoint(255, 191) })
        EXPECT_EQ(picture.pixelColor(p), grey);
}

TEST_F(MainWindow, PanelIsShownAtStartAndCoversThePicture)
{
    EXPECT_TRUE(frameNavigator()->isVisible());
    EXPECT_TRUE(frameNavigator()->geometry().contains(pb()->geometry()));
    // In front: the panel is stacked after the picture.
    const QObjectList children = window.centralWidget()->children();
    EXPECT_GT(children.indexOf(frameNavigator()), children.indexOf(pb()));
}

TEST_F(MainWindow, ThePanelHidesThePictureDrawnBeneathIt)
{
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 256; ++x)
            pb()->PSet(x, y, screen::Rgb(255, 0, 0));
    QCoreApplication::processEvents();
    const QImage shown = QGuiApplication::primaryScreen()->grabWindow(window.winId()).toImage();
    const QPoint clientOrigin = window.centralWidget()->mapTo(&window, QPoint(0, 0));
    // Inside the panel, beside and between the lists, over the picture.
    for (const QPoint p : { QPoint(80, 110), QPoint(320, 238), QPoint(110, 60) }) {
        // The panel's own light colour, not the red beneath (a frame may shade it a little).
        EXPECT_GT(shown.pixelColor(clientOrigin + p).green(), 150) << p.x() << "," << p.y();
    }
    frameNavigator()->hide();
    QCoreApplication::processEvents();
    EXPECT_EQ(QGuiApplication::primaryScreen()->grabWindow(window.winId()).toImage().pixelColor(clientOrigin + QPoint(80, 110)),
              QColor(255, 0, 0));
}

TEST_F(MainWindow, OpenShowsThePanelAndOnlyAFileHidesIt)
{
    dir.write("a.scr", testsupport::patternedScreen(1));
    dir.makeDirectory("sub");
    frameNavigator()->hide(); // as after a file was shown
    openItem()->trigger();
    EXPECT_TRUE(frameNavigator()->isVisible());
    openItem()->trigger();
    EXPECT_TRUE(frameNavigator()->isVisible()) << "open twice changes nothing";

    Dir1()->setPath(q(dir.path()));
    Dir1()->setPath(q(dir.path() + "/sub"));
    Drive1()->setSource([this] { return QList<platform::MountedDrive> { { q(dir.path()), {}, q(dir.path()) } }; });
    Drive1()->setCurrentIndex(0);
    EXPECT_TRUE(frameNavigator()->isVisible()) << "the lists do not hide the panel";

    selectFile("a.scr");
    EXPECT_FALSE(frameNavigator()->isVisible());
}

TEST_F(MainWindow, WhileAReportIsShownTheControlsTakeNoInputAndAfterwardsTheyDo)
{
    dir.write("a.scr", testsupport::patternedScreen(1));
    ASSERT_EQ(::mkfifo((dir.path() + "/pipe.scr").c_str(), 0600), 0); // refused, with a report
    Dir1()->setPath(q(dir.path()));
    const std::vector<testsupport::Rgb> before = picture();
    const QList<QWidget *> controls { pb(), Drive1(), Dir1(), File1(), window.menuBar() };
    QSignalSpy clicks(File1(), &platform::FileListBox::Click);
    int reports = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget *shown : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(shown);
            if (!box || !box->isVisible())
                continue;
            ++reports;
            for (QWidget *control : controls)
                EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
            // A click on another name and the keys that choose one reach nothing.
            QTest::mouseClick(File1()->viewport(), Qt::LeftButton, {}, testsupport::centreOf(*File1(), 0));
            QTest::keyClick(File1(), Qt::Key_Home);
            box->done(QMessageBox::Ok);
        }
    });
    poll.start(10);
    selectFile("pipe.scr");
    poll.stop();

    EXPECT_EQ(reports, 1);
    EXPECT_EQ(clicks.count(), 1) << "only the choice of the pipe";
    EXPECT_EQ(File1()->FileName(), "pipe.scr");
    EXPECT_EQ(picture(), before);
    for (QWidget *control : controls)
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    selectFile("a.scr");
    EXPECT_EQ(picture(), testsupport::decodeScreen(testsupport::patternedScreen(1))) << "the controls answer again";
}

} // namespace
} // namespace windowtest
