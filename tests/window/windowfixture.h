// A shown main window on a directory of test screens, with its controls found by name.
#pragma once

#include "platform/controls/dirlistbox.h"
#include "support/listview.h"
#include "platform/controls/drivelistbox.h"
#include "platform/controls/filelistbox.h"
#include "platform/controls/picturebox.h"
#include "support/qtprinters.h"
#include "support/screendecode.h"
#include "support/tempdir.h"
#include "window/frmmain.h"

#include <QAction>
#include <QGroupBox>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace windowtest {

inline QString q(const std::string &s) { return QString::fromStdString(s); }

class WindowFixture : public ::testing::Test
{
protected:
    WindowFixture()
    {
        window.Form_Load();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <typename T> T *control(const char *name) { return window.findChild<T *>(QString::fromLatin1(name)); }
    platform::PictureBox *pb() { return control<platform::PictureBox>("pb"); }
    QGroupBox *frameNavigator() { return control<QGroupBox>("frameNavigator"); }
    platform::DriveListBox *Drive1() { return control<platform::DriveListBox>("Drive1"); }
    platform::DirListBox *Dir1() { return control<platform::DirListBox>("Dir1"); }
    platform::FileListBox *File1() { return control<platform::FileListBox>("File1"); }
    QAction *openItem() { return window.findChild<QAction *>(QStringLiteral("open")); }

    // Clicks a name in the file list as a user does; returns when the click's work is done.
    void selectFile(const QString &name)
    {
        const QList<int> found = testsupport::rowsOf(*File1(), name);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        File1()->scrollTo(testsupport::indexAt(*File1(), found.first()));
        QTest::mouseClick(File1()->viewport(), Qt::LeftButton, {}, testsupport::centreOf(*File1(), found.first()));
    }

    // The picture as it stands in the picture box.
    std::vector<testsupport::Rgb> picture()
    {
        std::vector<testsupport::Rgb> pixels;
        const QImage &image = pb()->image();
        for (int y = 0; y < 192; ++y)
            for (int x = 0; x < 256; ++x) {
                const QRgb c = image.pixel(x, y);
                pixels.push_back({ qRed(c), qGreen(c), qBlue(c) });
            }
        return pixels;
    }

    testsupport::TempDir dir;
    frmMain window;
};

// Dismisses every error report that appears while it lives, keeping the texts.
class ReportCatcher
{
public:
    ReportCatcher()
    {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            for (QWidget *shown : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(shown);
                if (box && box->isVisible()) {
                    texts.append(box->text());
                    box->done(QMessageBox::Ok);
                }
            }
        });
        poll.start(10);
    }
    QStringList texts;

private:
    QTimer poll;
};

} // namespace windowtest
