// The window's designed layout scaled by one factor, so that the picture is a whole number of device pixels.
#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

class ScaledLayout : public QObject
{
    Q_OBJECT

public:
    // designed is the client area as designed. The layout follows the client's size and device
    // pixel ratio from then on.
    ScaledLayout(QWidget *client, QSize designed);

    // Places control at designed (relative to its parent) times the scale. A control whose parent
    // is the client area is also moved by the margin that centres the layout; the picture
    // control's rectangle is rounded outwards, so that it holds every device pixel of the picture.
    void add(QWidget *control, QRect designed);
    void addPicture(QWidget *control, QRect designed);

    // The smallest multiple at which the picture, m × its size in device pixels, is at least its
    // designed size at the device pixel ratio: 1 at 100 %, 2 at 125 % to 200 %, 3 at 250 %.
    static int startMultiple(qreal devicePixelRatio);
    // The largest multiple at which the whole scaled layout fits in available (at least 1).
    int fittingMultiple(QSize available, qreal devicePixelRatio) const;
    // The client area that holds the layout at multiple m exactly.
    QSize clientSize(int multiple, qreal devicePixelRatio) const;
    // The smallest window size, at least size, that is a whole number of device pixels each way.
    // A Wayland compositor scales a window's buffer to its logical size at a fractional scale, and
    // would resample (blur) any other, from the first row of the picture down.
    static QSize wholeInDevicePixels(QSize size, qreal devicePixelRatio);

    // Sizes the client's window by the start rule for the present device pixel ratio; above holds
    // what lies over the client area in the window (the menu bar).
    void sizeForStart(int above);
    // Places every control for the client area's present size and device pixel ratio. A window
    // at its own size first takes the start size for the present ratio: the ratio may have changed
    // since (the compositor told it late, the output's scale changed, the window moved to another
    // screen), or a compositor may have handed back a start size it had before.
    void apply();
    // Hides control and repaints every device pixel it covered: at a fractional ratio its edges
    // lie inside device pixels that the repaint of its rectangle alone would leave as they were.
    static void hide(QWidget *control);
    // Whether the device pixel ratio has changed since the layout was last made.
    bool ratioChanged() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Placement
    {
        QWidget *control;
        QRect designed;
        bool outward;
    };

    // Whether the user has left the window at its own size: it is neither maximised nor full
    // screen, and its size is one the layout asked for. A Wayland compositor may answer a new
    // start size with the one it knew before (mutter does, when it activates a window whose
    // ratio arrived after its first frame); that is no choice of the user's. A user's resize,
    // maximising or tiling gives a size of their own, and then the largest multiple that fits holds.
    bool atOwnSize() const;

    QWidget *client;
    QSize designed;
    QList<Placement> placements;
    qreal laidOutRatio = 0; // the device pixel ratio the layout was last made for
    QList<QSize> ownSizes;  // every size the start rule gave the window, the present one last
    int above = 0;
};
