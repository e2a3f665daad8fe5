// After page changes, what the screen shows of the window is what a full
// repaint of the window draws: nothing of a page left behind.
#include <QBackingStore>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QWindow>

#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

class PageRepaintTest : public WindowTest {
protected:
    // The window as the screen shows it, in device pixels: the offscreen
    // screen shows the window's backing store as it is.
    QImage OnScreen() const
    {
        QApplication::processEvents();
        const auto* stored = dynamic_cast<const QImage*>(window->backingStore()->paintDevice());
        return stored ? stored->convertToFormat(QImage::Format_RGB32) : QImage();
    }
    // The window painted afresh, whole, in device pixels.
    QImage Repainted() const { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Where the two images differ; both are saved in the temporary folder
    // for a look when they do.
    static QRect Difference(const QImage& shown, const QImage& fresh, const QString& name)
    {
        if (shown.size() != fresh.size()) return QRect(QPoint(0, 0), shown.size().expandedTo(fresh.size()));
        QRect where;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != fresh.pixel(x, y)) where |= QRect(x, y, 1, 1);
        if (!where.isEmpty()) {
            shown.save(QDir::temp().filePath(name + "_shown.png"));
            fresh.save(QDir::temp().filePath(name + "_repainted.png"));
        }
        return where;
    }
};

TEST_F(PageRepaintTest, EveryPageAfterEveryOtherShowsWhatARepaintDraws)
{
    ASSERT_DOUBLE_EQ(window->devicePixelRatioF(), 1.5) << "the test needs a fractional scale factor";
    ASSERT_FALSE(OnScreen().isNull()) << "the screen keeps the window in an image";
    auto* pages = Find<QTabWidget>("PageControl");
    for (int from = 0; from < pages->count(); ++from)
        for (int to = 0; to < pages->count(); ++to) {
            if (from == to) continue;
            pages->setCurrentIndex(from);
            OnScreen();
            pages->setCurrentIndex(to);
            const QImage shown = OnScreen();
            const QString name = QString("page_%1_to_%2").arg(from).arg(to);
            const QRect stale = Difference(shown, Repainted(), name);
            EXPECT_TRUE(stale.isEmpty())
                << "from " << pages->tabText(from).toStdString() << " to " << pages->tabText(to).toStdString()
                << ": stale pixels in " << stale.x() << "," << stale.y() << " " << stale.width() << "x"
                << stale.height();
        }
    EXPECT_TRUE(failures.isEmpty()) << failures.join('\n').toStdString();
}

}  // namespace
}  // namespace tensorium::testing_support
